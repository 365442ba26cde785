#include "fonts.h"

#include <QFont>
#include <QStringList>

namespace platform::qt {

void installFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Mincho"),
                               {QStringLiteral("IPAMincho"), QStringLiteral("IPAexMincho"),
                                QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(QStringLiteral("Old English Text MT"),
                               {QStringLiteral("Blankenburg_UNZ1A"), QStringLiteral("Blankenburg"),
                                QStringLiteral("Liberation Serif")});
}

int substituteStretch(std::string_view family) {
    // MS Sans Serif is a narrow bitmap face: at the same size, Liberation Sans (Arial's metrics)
    // runs about 6 % wider, enough to wrap "Visit the Original VORN Website" out of its label.
    return family == "MS Sans Serif" ? 94 : QFont::Unstretched;
}

} // namespace platform::qt
