#include "dpi.h"

#include "handles.h"

namespace platform::win32 {

namespace {

// Windows before 10 (1607) lack these, so they are looked up rather than imported.
template <typename Function> Function user32(const char* name) {
    const HMODULE module = ::GetModuleHandleW(L"user32.dll");
    const FARPROC address = module != nullptr ? ::GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

} // namespace

unsigned dotsPerInch(HWND window) {
    static const auto forWindow = user32<GetDpiForWindowFunction>("GetDpiForWindow");
    if (forWindow != nullptr && window != nullptr) {
        if (const UINT dpi = forWindow(window); dpi != 0) {
            return dpi;
        }
    }
    const HDC screen = ::GetDC(nullptr);
    const int dpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) {
        ::ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? static_cast<unsigned>(dpi) : 96U;
}

RECT windowRectFor(RECT client, DWORD style, DWORD exStyle, unsigned dpi) {
    static const auto forDpi = user32<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    RECT rect = client;
    if (forDpi != nullptr) {
        forDpi(&rect, style, FALSE, exStyle, dpi);
    } else {
        ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return rect;
}

} // namespace platform::win32
