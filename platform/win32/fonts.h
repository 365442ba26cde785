#pragma once

#include "handles.h"
#include "platform/design.h"

namespace platform::win32 {

// The design's font at this DPI. Windows substitutes a face the machine does not have.
[[nodiscard]] Font createFont(const FontDesign& design, unsigned dpi);

} // namespace platform::win32
