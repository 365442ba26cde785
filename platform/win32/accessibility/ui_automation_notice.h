#pragma once

#include "platform/win32/system/windows_headers.h"

#include <string_view>

namespace platform::win32 {

// Has Narrator and NVDA speak a text once, wherever the focus is, through UI Automation's
// notification event (Windows 10 1709 and later). False when it was not raised: the library or the
// event is missing, no UI Automation client listens, or the event was refused.
bool announceByUiAutomation(HWND window, std::wstring_view text);

} // namespace platform::win32
