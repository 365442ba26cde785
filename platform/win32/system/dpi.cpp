#include "dpi.h"

#include "system_library.h"

namespace platform::win32 {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using MetricsForDpiFunction = int(WINAPI*)(int, UINT);

// Windows before 10 (1607) lack these, so they are looked up rather than imported.
struct User32 {
    SystemLibrary library{L"user32.dll"};
    GetDpiForWindowFunction forWindow =
        library.optionalEntry<GetDpiForWindowFunction>("GetDpiForWindow");
    AdjustForDpiFunction forDpi =
        library.optionalEntry<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    MetricsForDpiFunction metricsForDpi =
        library.optionalEntry<MetricsForDpiFunction>("GetSystemMetricsForDpi");
};

} // namespace

unsigned dotsPerInch(HWND window) {
    const auto forWindow = loadedOnce<User32>().forWindow;
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
    const auto forDpi = loadedOnce<User32>().forDpi;
    RECT rect = client;
    if (forDpi != nullptr) {
        forDpi(&rect, style, FALSE, exStyle, dpi);
    } else {
        ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return rect;
}

int systemMetric(int index, unsigned dpi) {
    const auto metricsForDpi = loadedOnce<User32>().metricsForDpi;
    // Without it the system has one DPI for every monitor.
    return metricsForDpi != nullptr ? metricsForDpi(index, dpi) : ::GetSystemMetrics(index);
}

} // namespace platform::win32
