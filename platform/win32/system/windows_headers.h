#pragma once

// The Win32 headers as every file of this backend takes them: without min/max macros and
// without the rarely used parts that slow the build. Beside them in this folder, what the rest
// of the backend builds on: system libraries loaded from System32, handle owners, the UTF-8 and
// UTF-16 conversion with the code page on it, DPI, the last error and the fatal report.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
