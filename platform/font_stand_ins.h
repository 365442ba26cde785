#pragma once

#include "design.h"

namespace platform {

// "MS Sans Serif" is a bitmap face; where it is missing, a face with Arial's metrics (Arial,
// Liberation Sans) stands in. This is how wide, in percent, the stand-in is drawn so that a text
// takes the room the design's face gives it at that size.
[[nodiscard]] int sansSerifStandInWidth(const FontDesign& font);

} // namespace platform
