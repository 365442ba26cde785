#pragma once

#include "windows_headers.h"

// The window's own dots per inch, on systems that know per-monitor DPI and on those that do not.
namespace platform::win32 {

[[nodiscard]] unsigned dotsPerInch(HWND window);

// The window rectangle around a client rectangle, for the frame at that DPI.
[[nodiscard]] RECT windowRectFor(RECT client, DWORD style, DWORD exStyle, unsigned dpi);

} // namespace platform::win32
