#include "fonts.h"

#include "platform/font_stand_ins.h"

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
    return font.family == "MS Sans Serif" ? sansSerifStandInWidth(font) : QFont::Unstretched;
}

} // namespace platform::qt
