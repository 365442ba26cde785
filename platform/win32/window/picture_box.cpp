#include "picture_box.h"

namespace platform::win32 {

namespace {

void paint(HWND window) {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(window, &paint);
    RECT client{};
    ::GetClientRect(window, &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    // The control object owns the icon.
    if (const auto icon = reinterpret_cast<HICON>(::GetWindowLongPtrW(window, pictureSlot))) {
        ::DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
    }
    if (::GetFocus() == window &&
        (::SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0) {
        ::DrawFocusRect(dc, &client);
    }
    ::EndPaint(window, &paint);
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        ::InvalidateRect(window, nullptr, FALSE);
        break;
    case WM_LBUTTONDOWN:
        ::SetFocus(window);
        return 0;
    case WM_LBUTTONUP:
        ::SendMessageW(::GetParent(window), WM_COMMAND,
                       MAKEWPARAM(::GetDlgCtrlID(window), BN_CLICKED),
                       reinterpret_cast<LPARAM>(window));
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

WNDCLASSEXW pictureBoxClassFor(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = pictureBoxClass;
    return windowClass;
}

} // namespace platform::win32
