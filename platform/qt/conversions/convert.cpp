#include "platform/qt/conversions/convert.h"

#include "platform/forms/twips.h"

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

Colour fromQColor(const QColor& colour) {
    return static_cast<Colour>(colour.red()) | (static_cast<Colour>(colour.green()) << 8U) |
           (static_cast<Colour>(colour.blue()) << 16U);
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
