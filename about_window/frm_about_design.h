#pragma once

#include "platform/forms/design.h"

namespace pretextor {

// The About box as drawn: labels front to back, the picture and buttons above them.
[[nodiscard]] const platform::WindowDesign& frmAboutDesign();

} // namespace pretextor
