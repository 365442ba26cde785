#pragma once

#include "platform/win32/system/windows_headers.h"

#include <string>
#include <string_view>

// A caption as it is read out: "&System Info..." is "System Info...", reached with Alt+S.
namespace platform::win32 {

struct Spoken {
    std::wstring name;
    wchar_t accessKey = 0;
};

[[nodiscard]] Spoken spoken(std::wstring_view caption);
[[nodiscard]] Spoken spokenCaption(HWND window);

} // namespace platform::win32
