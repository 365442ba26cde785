#pragma once

#include "platform/forms/design.h"

#include <span>
#include <string_view>

namespace platform {

// Where a face is looked for: the Windows build asks the system's fonts, the Qt build fontconfig.
enum class FaceSystems : unsigned char { windows = 1, freeDesktop = 2, both = 3 };

// How wide a face is drawn so that a text takes the room the design's face gives it.
enum class StandInWidth : unsigned char {
    natural,
    // A face with Arial's metrics in place of the bitmap "MS Sans Serif".
    sansSerif,
    // A bold serif in place of a narrow blackletter.
    blackletter,
};

struct FaceStandIn {
    std::string_view face;
    FaceSystems systems;
    StandInWidth width;

    [[nodiscard]] bool lookedForOn(FaceSystems system) const {
        return (static_cast<unsigned>(systems) & static_cast<unsigned>(system)) != 0;
    }
};

// The faces tried for a design face, best first; the stand-ins of every system in one list.
struct DesignFace {
    std::string_view family;
    std::span<const FaceStandIn> standIns;
};

// Every design face that has stand-ins.
[[nodiscard]] std::span<const DesignFace> designFaces();

// The faces tried for the family, best first; none for a family without stand-ins.
[[nodiscard]] std::span<const FaceStandIn> standInsFor(std::string_view family);

// How wide, in percent, a face is drawn in place of the design's font.
[[nodiscard]] int standInWidthPercent(StandInWidth width, const FontDesign& font);

} // namespace platform
