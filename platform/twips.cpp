#include "twips.h"

#include <cmath>

namespace platform {

int twipsToPixels(double twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

} // namespace platform
