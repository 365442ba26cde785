#include "platform/qt/window/fonts.h"

#include "platform/forms/font_stand_ins.h"
#include "platform/qt/support/convert.h"

#include <QFont>
#include <QStringList>

namespace platform::qt {

void installFontSubstitutes() {
    for (const DesignFace& design : designFaces()) {
        QStringList faces;
        for (const FaceStandIn& standIn : design.standIns) {
            if (standIn.lookedForOn(FaceSystems::freeDesktop)) {
                faces.append(toQString(standIn.face));
            }
        }
        QFont::insertSubstitutions(toQString(design.family), faces);
    }
}

int substituteStretch(const FontDesign& font) {
    // Qt draws a family at one stretch, whichever substitute it finds: that of the face it looks
    // for first.
    for (const FaceStandIn& standIn : standInsFor(font.family)) {
        if (standIn.lookedForOn(FaceSystems::freeDesktop)) {
            const int percent = standInWidthPercent(standIn.width, font);
            return percent == 100 ? QFont::Unstretched : percent;
        }
    }
    return QFont::Unstretched;
}

} // namespace platform::qt
