#pragma once

namespace platform {

// The one place where twips become pixels: 1440 twips an inch, so 15 twips a pixel at 96 dpi.
[[nodiscard]] int twipsToPixels(double twips, double dotsPerInch);
// And back, for a point the pointer gives in pixels.
[[nodiscard]] int pixelsToTwips(int pixels, double dotsPerInch);

} // namespace platform
