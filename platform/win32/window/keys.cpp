// The keyboard: focus along the design's tab order, and Tab, Enter and Esc by the design.
#include "form.h"

#include "platform/forms/guarded.h"

namespace platform::win32 {

namespace {

// Shown and enabled: a child window that can take the focus or a press.
bool usable(HWND child) {
    return child != nullptr && ::IsWindowVisible(child) != FALSE &&
           ::IsWindowEnabled(child) != FALSE;
}

} // namespace

bool Win32Window::moveFocus(bool forward, HWND from) {
    const ControlDesign* next =
        nextInTabOrder(design_, designOf(from), forward,
                       [this](const ControlDesign& control) { return usable(windowOf(control)); });
    if (next == nullptr) {
        return false;
    }
    ::SetFocus(windowOf(*next));
    return true;
}

void Win32Window::focusFirst() {
    if (!moveFocus(true, nullptr)) {
        ::SetFocus(handle());
    }
}

void Win32Window::releaseFocus(HWND control) {
    if (::GetFocus() != control) {
        return;
    }
    if (!moveFocus(true, control)) {
        ::SetFocus(handle());
    }
    focusHeirs_[control] = ::GetFocus();
}

void Win32Window::regainFocus(HWND control) {
    const auto found = focusHeirs_.find(control);
    if (found == focusHeirs_.end()) {
        return;
    }
    const HWND heir = found->second;
    focusHeirs_.erase(found);
    // Where the user has moved the focus since, it stays.
    if (::GetFocus() == heir) {
        ::SetFocus(control);
    } else if (lastFocus_ == heir && ::GetActiveWindow() != handle()) {
        // The window is in the background: it gets the focus back when it is activated.
        lastFocus_ = control;
    }
}

bool Win32Window::routeKey(WPARAM key) {
    if (::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0) {
        return false;
    }
    if (key == VK_TAB) {
        // The keyboard is in use: from now on the focused control shows it.
        ::SendMessageW(handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        moveFocus(::GetKeyState(VK_SHIFT) >= 0, ::GetFocus());
        return true;
    }
    if (::GetKeyState(VK_SHIFT) < 0) {
        return false;
    }
    const ControlDesign* focused = designOf(::GetFocus());
    const ControlDesign* button =
        key == VK_ESCAPE ? buttonForEscape(design_)
                         : buttonForEnter(design_, focused != nullptr ? focused->name : "");
    if (button == nullptr) {
        return true;
    }
    if (const HWND child = windowOf(*button); usable(child)) {
        notified_.at(::GetDlgCtrlID(child))->notify(BN_CLICKED);
    }
    return true;
}

bool Win32Toolkit::preTranslate(MSG& message) {
    Win32Window* window = Win32Window::owning(message.hwnd);
    if (window == nullptr) {
        return false;
    }
    bool copied = false;
    invokeGuarded([&] { copied = window->routeCopyKey(message); });
    if (copied) {
        return true;
    }
    if (message.message == WM_KEYDOWN &&
        (message.wParam == VK_TAB || message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
        bool taken = false;
        invokeGuarded([&] { taken = window->routeKey(message.wParam); });
        if (taken) {
            return true;
        }
    }
    return ::IsDialogMessageW(window->handle(), &message) != FALSE;
}

} // namespace platform::win32
