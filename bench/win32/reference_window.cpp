// The benchmark's yardstick on Windows: a bare Win32 window with the main window's 21 controls
// at 96 dpi, built with plain CreateWindow calls and the faces named directly. It starts as the
// program does: the program's manifest, a single-threaded apartment, the version 6 controls.
#include "engine/excuse_engine.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <string>

namespace {

std::wstring wide(std::string_view text) {
    return {text.begin(), text.end()};
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

HFONT font(const wchar_t* face, int height, bool bold) {
    return ::CreateFontW(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                         ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, face);
}

// A child's place at 96 dpi, in pixels.
struct Box {
    int x, y, width, height;
};

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const HRESULT apartment =
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"Reference";
    ::RegisterClassExW(&windowClass);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    RECT frame{0, 0, 514, 342};
    ::AdjustWindowRectEx(&frame, style, FALSE, WS_EX_APPWINDOW);
    const HWND window = ::CreateWindowExW(
        WS_EX_APPWINDOW, L"Reference", L"Reference", style, CW_USEDEFAULT, CW_USEDEFAULT,
        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    const HFONT sans = font(L"Liberation Sans", 11, false);
    auto child = [&](const wchar_t* kind, const std::wstring& text, DWORD extra, Box area,
                     HFONT face) {
        const HWND made =
            ::CreateWindowExW(kind == std::wstring(L"LISTBOX") ? WS_EX_CLIENTEDGE : 0, kind,
                              text.c_str(), WS_CHILD | WS_VISIBLE | extra, area.x, area.y,
                              area.width, area.height, window, nullptr, instance, nullptr);
        ::SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(face), FALSE);
        return made;
    };
    child(L"BUTTON", L"Quit", WS_TABSTOP, {480, 328, 41, 17}, sans);
    child(L"BUTTON", L"About", WS_TABSTOP, {480, 312, 41, 17}, sans);
    child(L"BUTTON", L"Calculate an Excuse!", WS_TABSTOP, {104, 80, 305, 33}, sans);
    const int lefts[] = {0, 128, 264, 400};
    const int widths[] = {121, 129, 129, 129};
    const auto& lists = engine::wordLists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const HWND list = child(L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                                {lefts[i], 136, widths[i], 121}, sans);
        for (const auto word : lists[i].words) {
            ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(word).c_str()));
        }
    }
    child(L"BUTTON", L"Fast Refesh", WS_TABSTOP | BS_AUTOCHECKBOX, {392, 320, 89, 17}, sans);
    for (const int y : {128, 312, 272}) {
        child(L"STATIC", L"", SS_ETCHEDHORZ, {0, y, 512, 1}, sans);
    }
    child(L"STATIC", L"Visit the Original VORN Website", SS_LEFT, {176, 328, 153, 17}, sans);
    child(L"STATIC", L"Random Pretextor", SS_CENTER, {64, 32, 401, 41},
          font(L"IPAMincho", 27, true));
    child(L"STATIC", L"Vexing Overlord of Ruined Networks", SS_CENTER, {72, 0, 377, 41},
          font(L"Blankenburg_UNZ1A", 29, true));
    const HFONT large = font(L"Liberation Sans", 18, false);
    const int excuseLefts[] = {416, 256, 128, 0};
    int place = 0;
    for (const auto* text : {L"Button", L"Press", L"Button", L"Press"}) {
        child(L"STATIC", text, SS_CENTER, {excuseLefts[place++], 280, 129, 25}, large);
    }
    ::ShowWindow(window, show);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    if (SUCCEEDED(apartment)) {
        ::CoUninitialize();
    }
    return 0;
}
