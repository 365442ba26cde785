#pragma once

#include "platform/forms/design.h"
#include "platform/qt/window/placed_widgets.h"

#include <QFont>

namespace platform::qt {

// The design's font: its own family name, which the substitutes stand in for.
[[nodiscard]] QFont toQFont(const FontDesign& font);

// Maps the designs' Windows font names to free faces of the same kind.
void installFontSubstitutes();

// How wide, in percent, a design face is drawn so that its substitute takes the room the design
// gave it (QFont::Unstretched where the substitute fits as it is).
[[nodiscard]] int substituteStretch(const FontDesign& font);

// Gives each placed widget its design font, drawn narrower where the face the system gave runs
// wider than the texts' controls: once a window, when it is built.
void setFittingFonts(const WindowDesign& window, const PlacedWidgets& placed, double dotsPerInch);

} // namespace platform::qt
