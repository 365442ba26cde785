#include "platform/qt/conversions/convert.h"

#include "platform/forms/twips.h"
#include "platform/qt/window/fonts.h"

namespace platform::qt {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toStdString(const QString& text) {
    return text.toStdString();
}

QColor toQColor(Colour colour) {
    return {static_cast<int>(colour & 0xFFU), static_cast<int>((colour >> 8U) & 0xFFU),
            static_cast<int>((colour >> 16U) & 0xFFU)};
}

QFont toQFont(const FontDesign& design) {
    // The design's own family name; substitutes for faces the machine lacks are installed once
    // at start, so the font keeps the name it was designed with.
    QFont font(toQString(design.family));
    font.setPointSizeF(static_cast<qreal>(design.points));
    font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(design.underline);
    font.setItalic(false);
    font.setStrikeOut(false);
    font.setStretch(substituteStretch(design));
    // The designs' texts are plain ASCII, which every face has: no per-glyph fallback search.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

int PixelMapper::pixels(double twips) const {
    return twipsToPixels(twips, dpi_);
}

QRect PixelMapper::rect(const TwipRect& twips) const {
    const int left = pixels(twips.left);
    const int top = pixels(twips.top);
    return {left, top, pixels(twips.right()) - left, pixels(twips.bottom()) - top};
}

int PixelMapper::widthFrom(int leftTwips, double widthTwips) const {
    return pixels(leftTwips + widthTwips) - pixels(leftTwips);
}

} // namespace platform::qt
