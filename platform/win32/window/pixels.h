#pragma once

#include "platform/forms/design.h"
#include "platform/win32/system/windows_headers.h"

namespace platform::win32 {

// A design rectangle in the window's pixels: both edges rounded, so neighbours stay flush.
[[nodiscard]] RECT toPixels(const TwipRect& twips, unsigned dpi);
[[nodiscard]] POINT toPixels(TwipPoint twips, unsigned dpi);

} // namespace platform::win32
