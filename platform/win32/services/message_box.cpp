#include "platform/runtime/code_page.h"
#include "platform/runtime/uncopyable.h"
#include "platform/win32/system/windows_headers.h"
#include "services.h"

#include <vector>

namespace platform::win32 {

namespace {

// Disables the thread's shown, enabled top-level windows but one, and enables them again at
// the end of the scope.
class OtherWindowsDisabled : public Uncopyable {
public:
    explicit OtherWindowsDisabled(HWND spared) : spared_(spared) {
        ::EnumThreadWindows(::GetCurrentThreadId(), disable, reinterpret_cast<LPARAM>(this));
    }
    ~OtherWindowsDisabled() {
        for (const HWND window : disabled_) {
            if (::IsWindow(window) != FALSE) {
                ::EnableWindow(window, TRUE);
            }
        }
    }

private:
    static BOOL CALLBACK disable(HWND window, LPARAM self) noexcept {
        auto& scope = *reinterpret_cast<OtherWindowsDisabled*>(self);
        if (window != scope.spared_ && ::IsWindowVisible(window) != FALSE &&
            ::IsWindowEnabled(window) != FALSE) {
            try {
                scope.disabled_.push_back(window);
            } catch (...) {
                return FALSE;
            }
            ::EnableWindow(window, FALSE);
        }
        return TRUE;
    }

    HWND spared_;
    std::vector<HWND> disabled_;
};

} // namespace

void Win32MessageDialog::show(const std::string& text, const std::string& title) {
    // Owned by the window whose button asked, so that the focus goes back to it afterwards. The
    // box disables only its owner: every other window of the program waits too.
    const HWND owner = ::GetActiveWindow();
    const OtherWindowsDisabled waiting(owner);
    ::MessageBoxA(owner, toSystemCodePage(text).c_str(), toSystemCodePage(title).c_str(),
                  MB_OK | MB_APPLMODAL);
}

} // namespace platform::win32
