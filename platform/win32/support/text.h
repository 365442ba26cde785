#pragma once

#include <string>
#include <string_view>

// The program's UTF-8 text and the UTF-16 that the wide Win32 calls take.
namespace platform::win32 {

[[nodiscard]] std::wstring widen(std::string_view text);
[[nodiscard]] std::string narrow(std::wstring_view text);

} // namespace platform::win32
