#pragma once

#include "handles.h"
#include "platform/forms/design.h"

namespace platform::win32 {

// The design's font at this DPI, in the first scalable face of its choices that the machine has.
[[nodiscard]] Font createFont(const FontDesign& design, unsigned dpi);

} // namespace platform::win32
