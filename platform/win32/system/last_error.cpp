#include "last_error.h"

#include "platform/win32/text/text.h"
#include "windows_headers.h"

#include <array>

namespace platform::win32 {

RuntimeError lastError(ErrorNumber number, const std::string& what) {
    const DWORD code = ::GetLastError();
    std::array<wchar_t, 512> words{};
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                         0, words.data(), static_cast<DWORD>(words.size()), nullptr);
    std::string reason = narrow(std::wstring_view(words.data(), length));
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) {
        reason.pop_back();
    }
    if (reason.empty()) {
        reason = "system error " + std::to_string(code);
    }
    return {number, what + ": " + reason};
}

void check(bool ok, const std::string& what) {
    if (!ok) {
        throw lastError(ErrorNumber::ControlFailure, what);
    }
}

} // namespace platform::win32
