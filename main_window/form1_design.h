#pragma once

#include "platform/forms/design.h"

#include <string_view>

namespace pretextor {

// Command1's caption once a slow draw has finished.
inline constexpr std::string_view anotherExcuseCaption = "Need Another Excuse?";

// The main window as drawn: 21 controls, front to back.
[[nodiscard]] const platform::WindowDesign& form1Design();

} // namespace pretextor
