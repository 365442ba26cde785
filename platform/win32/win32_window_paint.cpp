// What the window draws itself: its shapes and lines, the labels' colours and the pointers.
#include "win32_window.h"

namespace platform::win32 {

void Win32Window::paint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(handle(), &paint);
    for (const Painted* control : painted_) {
        control->paint(dc, dpi_);
    }
    ::EndPaint(handle(), &paint);
}

void Win32Window::repaint(const RECT& area) {
    ::InvalidateRect(handle(), &area, TRUE);
}

LRESULT Win32Window::colourStatic(HDC dc, HWND child) const {
    const ControlDesign* control = designOf(child);
    ::SetTextColor(dc, control != nullptr && control->foreColour ? *control->foreColour
                                                                 : ::GetSysColor(COLOR_BTNTEXT));
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
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
