// What the window draws itself: its shapes and lines, the labels' colours under the system's
// theme, and the pointers.
#include "form.h"

namespace platform::win32 {

void Win32Window::paint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(handle(), &paint);
    for (const Painted* control : painted_) {
        control->paint(dc, dpi_);
    }
    ::EndPaint(handle(), &paint);
}

LRESULT Win32Window::colourStatic(HDC dc, HWND child) const {
    const ControlDesign* control = designOf(child);
    const Ground ground = groundOf(theme_);
    const Colour text =
        control != nullptr ? coloursOf(design_, *control, theme_).fore : ground.text;
    ::SetTextColor(dc, text);
    ::SetBkColor(dc, ground.face);
    return reinterpret_cast<LRESULT>(groundBrush(ground.face));
}

void Win32Window::themeChanged() {
    theme_ = systemColours();
    // Common controls hear of new colours only from their parent.
    for (const Child& child : children_) {
        ::SendMessageW(child.window, WM_SYSCOLORCHANGE, 0, 0);
    }
    ::RedrawWindow(handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

bool Win32Window::eraseBackground(HDC dc) const {
    // The window class paints the face; only a theme whose text does not read there differs.
    const Colour face = groundOf(theme_).face;
    if (face == ::GetSysColor(COLOR_BTNFACE)) {
        return false;
    }
    RECT client{};
    ::GetClientRect(handle(), &client);
    ::FillRect(dc, &client, groundBrush(face));
    return true;
}

bool Win32Window::setCursorOver(HWND child, UINT hitTest) const {
    const ControlDesign* control = designOf(child);
    if (control == nullptr || control->pointer != MousePointer::UpArrow || hitTest != HTCLIENT) {
        return false;
    }
    ::SetCursor(::LoadCursorW(nullptr, IDC_UPARROW));
    return true;
}

} // namespace platform::win32
