#pragma once

#include "platform/forms/design.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <string>
#include <string_view>

// Design values in Qt's terms. Twips become pixels through platform::twipsToPixels only.
namespace platform::qt {

[[nodiscard]] QString toQString(std::string_view text);
[[nodiscard]] std::string toStdString(const QString& text);
// A design colour and back: the one place where 0x00BBGGRR meets Qt's channels.
[[nodiscard]] QColor toQColor(Colour colour);
[[nodiscard]] Colour fromQColor(const QColor& colour);

// Converts rectangles edge by edge so that neighbouring controls never gap or overlap by rounding.
class PixelMapper {
public:
    explicit PixelMapper(double dotsPerInch) : dpi_(dotsPerInch) {}
    [[nodiscard]] int pixels(double twips) const;
    [[nodiscard]] QRect rect(const TwipRect& twips) const;
    [[nodiscard]] int widthFrom(int leftTwips, double widthTwips) const;
    [[nodiscard]] double dotsPerInch() const { return dpi_; }

private:
    double dpi_;
};

} // namespace platform::qt
