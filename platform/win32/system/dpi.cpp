#include "dpi.h"

#include "system_library.h"

namespace platform::win32 {

namespace {

// Windows before 10 (1607) lack these, so they are looked up rather than imported.
struct User32 {
    SystemLibrary library{L"user32.dll"};
    PRETEXTOR_OPTIONAL_ENTRY(, GetDpiForWindow);
    PRETEXTOR_OPTIONAL_ENTRY(, AdjustWindowRectExForDpi);
    PRETEXTOR_OPTIONAL_ENTRY(, GetSystemMetricsForDpi);
};

} // namespace

unsigned dotsPerInch(HWND window) {
    const auto forWindow = loadedOnce<User32>().GetDpiForWindow;
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
    const auto forDpi = loadedOnce<User32>().AdjustWindowRectExForDpi;
    RECT rect = client;
    if (forDpi != nullptr) {
        forDpi(&rect, style, FALSE, exStyle, dpi);
    } else {
        ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return rect;
}

int systemMetric(int index, unsigned dpi) {
    const auto metricsForDpi = loadedOnce<User32>().GetSystemMetricsForDpi;
    // Without it the system has one DPI for every monitor.
    return metricsForDpi != nullptr ? metricsForDpi(index, dpi) : ::GetSystemMetrics(index);
}

} // namespace platform::win32
