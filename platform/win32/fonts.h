#pragma once

#include "handles.h"
#include "platform/design.h"

#include <span>
#include <string_view>

namespace platform::win32 {

// A face to try for a design face, and how wide, in percent, to draw it so that it takes the room
// the design gave the original.
struct FaceChoice {
    std::wstring_view face;
    int widthPercent;
};

// The faces tried for a design face, best first; the design's own name is the last resort.
[[nodiscard]] std::span<const FaceChoice> faceChoices(const FontDesign& design);

// The design's font at this DPI, in the first scalable face of its choices that the machine has.
[[nodiscard]] Font createFont(const FontDesign& design, unsigned dpi);

} // namespace platform::win32
