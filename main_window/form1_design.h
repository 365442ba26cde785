#pragma once

#include "platform/forms/design.h"

namespace pretextor {

// The main window as drawn: 21 controls, front to back.
[[nodiscard]] const platform::WindowDesign& form1Design();

} // namespace pretextor
