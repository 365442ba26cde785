#include "platform/forms/twips.h"

#include <algorithm>
#include <cmath>

namespace platform {

int twipsToPixels(double twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

int designPixelsToPixels(int designPixels, double dotsPerInch) {
    return std::max(1, twipsToPixels(designPixels * 15.0, dotsPerInch));
}

int pixelsToTwips(int pixels, double dotsPerInch) {
    return static_cast<int>(std::lround(pixels * 1440.0 / dotsPerInch));
}

} // namespace platform
