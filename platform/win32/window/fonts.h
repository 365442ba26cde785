#pragma once

#include "platform/forms/design.h"
#include "platform/win32/support/handles.h"

namespace platform::win32 {

// The design's font at this DPI, in the first scalable face of its choices that the machine has.
[[nodiscard]] Font createFont(const FontDesign& design, unsigned dpi);

} // namespace platform::win32
