#pragma once

#include "windows_headers.h"

// The window's own dots per inch, on systems that know per-monitor DPI and on those that do not.
namespace platform::win32 {

[[nodiscard]] unsigned dotsPerInch(HWND window);

// The window rectangle around a client rectangle, for the frame at that DPI.
[[nodiscard]] RECT windowRectFor(RECT client, DWORD style, DWORD exStyle, unsigned dpi);

// A system metric (an icon's side, say) as the system gives it at that DPI.
[[nodiscard]] int systemMetric(int index, unsigned dpi);

} // namespace platform::win32
