#include "pixels.h"

#include "platform/forms/twips.h"

namespace platform::win32 {

RECT toPixels(const TwipRect& twips, unsigned dpi) {
    return {twipsToPixels(twips.left, dpi), twipsToPixels(twips.top, dpi),
            twipsToPixels(twips.right(), dpi), twipsToPixels(twips.bottom(), dpi)};
}

POINT toPixels(TwipPoint twips, unsigned dpi) {
    return {twipsToPixels(twips.x, dpi), twipsToPixels(twips.y, dpi)};
}

} // namespace platform::win32
