#pragma once

namespace platform {

// The one place where twips become pixels: 1440 twips an inch, so 15 twips a pixel at 96 dpi.
[[nodiscard]] int twipsToPixels(double twips, double dotsPerInch);
// A design's pixel (a line's width, an outline) at that scale: 15 twips, and never less than one.
[[nodiscard]] int designPixelsToPixels(int designPixels, double dotsPerInch);
// And back, for a point the pointer gives in pixels.
[[nodiscard]] int pixelsToTwips(int pixels, double dotsPerInch);

} // namespace platform
