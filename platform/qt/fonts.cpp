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

int substituteStretch(const FontDesign& font) {
    if (font.family != "MS Sans Serif") {
        return QFont::Unstretched;
    }
    // MS Sans Serif is a bitmap face whose strikes run narrower than Liberation Sans (Arial's
    // metrics) at the same size: 92 to 96 % at 8.25 and 18 points, but only 82 to 90 % at 13.5.
    // The excuse labels need that narrow strike: ls3 lies in front of the right 9 pixels of ls2,
    // and the widest word, "Logic - Subsystem", centred in ls2, clears ls3 only at 80 %.
    constexpr float narrowStrikeFrom = 12.5F;
    constexpr float narrowStrikeTo = 16.0F;
    return font.points > narrowStrikeFrom && font.points < narrowStrikeTo ? 80 : 94;
}

} // namespace platform::qt
