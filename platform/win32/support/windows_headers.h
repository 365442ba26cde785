#pragma once

// The Win32 headers as every file of this backend takes them: without min/max macros and
// without the rarely used parts that slow the build.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
