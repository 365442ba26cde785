#include "platform/forms/twips.h"

#include <cmath>

namespace platform {

int twipsToPixels(double twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

int pixelsToTwips(int pixels, double dotsPerInch) {
    return static_cast<int>(std::lround(pixels * 1440.0 / dotsPerInch));
}

} // namespace platform
