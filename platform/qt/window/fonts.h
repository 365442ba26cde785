#pragma once

#include "platform/forms/design.h"

#include <QWidget>

#include <utility>
#include <vector>

namespace platform::qt {

// Maps the designs' Windows font names to free faces of the same kind.
void installFontSubstitutes();

// How wide, in percent, a design face is drawn so that its substitute takes the room the design
// gave it (QFont::Unstretched where the substitute fits as it is).
[[nodiscard]] int substituteStretch(const FontDesign& font);

// Gives each placed widget its design font, drawn narrower where the face the system gave runs
// wider than the texts' controls: once a window, when it is built.
void setFittingFonts(const WindowDesign& window,
                     const std::vector<std::pair<const ControlDesign*, QWidget*>>& placed,
                     double dotsPerInch);

} // namespace platform::qt
