#pragma once

#include "platform/win32/system/windows_headers.h"

#include <string>
#include <string_view>

// The program's UTF-8 text and the UTF-16 that the wide Win32 calls take. The one way between
// widths: the machine's 8-bit code page is reached through it too, by naming that code page.
namespace platform::win32 {

[[nodiscard]] std::wstring widen(std::string_view text, UINT codePage = CP_UTF8);
[[nodiscard]] std::string narrow(std::wstring_view text, UINT codePage = CP_UTF8);

} // namespace platform::win32
