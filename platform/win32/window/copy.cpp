// The copy command: Ctrl+C and Ctrl+Insert, and the menu that offers "Copy".
#include "form.h"
#include "platform/win32/fatal.h"
#include "platform/win32/services/clipboard.h"
#include "platform/win32/text/text.h"

namespace platform::win32 {

namespace {

void destroyMenu(HMENU menu) {
    ::DestroyMenu(menu);
}
using Menu = Unique<HMENU, destroyMenu>;

constexpr UINT copyItem = 1;

bool held(int key) {
    return ::GetKeyState(key) < 0;
}

} // namespace

void Win32Window::copyToClipboard(const std::string& text) {
    putOnClipboard(handle(), widen(text));
}

bool Win32Window::routeCopyKey(const MSG& message) {
    const WPARAM key = message.wParam;
    // Only a key that could be a copy key asks for the state of the others: every call is a
    // round trip to the window server under Wine, and most messages are none of these.
    const bool candidate =
        (message.message == WM_KEYDOWN && (key == 'C' || key == VK_INSERT || key == VK_APPS)) ||
        (message.message == WM_SYSKEYDOWN && key == VK_F10) ||
        (message.message == WM_KEYUP && key == VK_APPS);
    if (!hasCopyCommand() || !candidate) {
        return false;
    }
    if (message.message == WM_KEYUP) {
        // Its release would open the system's idea of a context menu as well.
        return true;
    }
    const bool control = held(VK_CONTROL);
    const bool alt = held(VK_MENU);
    if (message.message == WM_SYSKEYDOWN) {
        if (!control && held(VK_SHIFT)) {
            showCopyMenu(std::nullopt);
            return true;
        }
        return false;
    }
    if (key == VK_APPS) {
        if (!control && !alt) {
            showCopyMenu(std::nullopt);
            return true;
        }
        return false;
    }
    if (control && !alt && !held(VK_SHIFT)) {
        invokeGuarded([this] { copy(); });
        return true;
    }
    return false;
}

bool Win32Window::showCopyMenu(std::optional<POINT> at) {
    if (!hasCopyCommand() || !loaded() || copyMenuOpen_) {
        return false;
    }
    std::optional<PixelPoint> clicked;
    if (at) {
        POINT client = *at;
        ::ScreenToClient(handle(), &client);
        clicked = PixelPoint{client.x, client.y};
    }
    const auto shown = [this](const ControlDesign& design) {
        return control(design.name).visible();
    };
    const std::optional<PixelPoint> place = copyMenuPlace(design_, clicked, dpi_, shown);
    if (!place) {
        return false;
    }
    POINT screen{place->x, place->y};
    ::ClientToScreen(handle(), &screen);
    const Menu menu(::CreatePopupMenu());
    const std::wstring item = widen(copyCaption) + L"\tCtrl+C";
    const UINT state = copyAvailable() ? MF_ENABLED : MF_GRAYED;
    if (!menu || ::AppendMenuW(menu.get(), MF_STRING | state, copyItem, item.c_str()) == FALSE) {
        return true;
    }
    // The menu's own loop runs until it closes; timers still tick in it.
    copyMenuOpen_ = true;
    const auto chosen = static_cast<UINT>(
        ::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screen.x,
                         screen.y, 0, handle(), nullptr));
    copyMenuOpen_ = false;
    if (chosen == copyItem && loaded()) {
        invokeGuarded([this] { copy(); });
    }
    return true;
}

} // namespace platform::win32
