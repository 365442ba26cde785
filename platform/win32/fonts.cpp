#include "fonts.h"

#include "last_error.h"
#include "platform/twips.h"
#include "text.h"

namespace platform::win32 {

Font createFont(const FontDesign& design, unsigned dpi) {
    // A point is 20 twips; a negative height asks for the character height, not the cell's.
    const int height = -twipsToPixels(static_cast<double>(design.points) * 20.0, dpi);
    Font font(::CreateFontW(height, 0, 0, 0, design.bold ? FW_BOLD : FW_NORMAL, FALSE,
                            design.underline ? TRUE : FALSE, FALSE, ANSI_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, widen(design.family).c_str()));
    check(static_cast<bool>(font), "CreateFont " + std::string(design.family));
    return font;
}

} // namespace platform::win32
