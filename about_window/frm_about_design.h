#pragma once

#include "platform/forms/design.h"

#include <string>

namespace pretextor {

// The About box as drawn: labels front to back, the picture and buttons above them.
[[nodiscard]] const platform::WindowDesign& frmAboutDesign();

// The caption its load gives it: "About " and the application's title.
[[nodiscard]] std::string aboutCaption();

} // namespace pretextor
