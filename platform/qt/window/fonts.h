#pragma once

#include "platform/forms/design.h"

namespace platform::qt {

// Maps the designs' Windows font names to free faces of the same kind.
void installFontSubstitutes();

// How wide, in percent, a design face is drawn so that its substitute takes the room the design
// gave it (QFont::Unstretched where the substitute fits as it is).
[[nodiscard]] int substituteStretch(const FontDesign& font);

} // namespace platform::qt
