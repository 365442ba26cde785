#include "platform/forms/font_stand_ins.h"

#include <algorithm>
#include <array>

namespace platform {

namespace {

using enum FaceSystems;
using enum StandInWidth;

constexpr std::array sansSerifFaces{
    // Windows has the bitmap face's scalable twin, made to the same widths.
    FaceStandIn{"Microsoft Sans Serif", windows, natural},
    // Windows comes with Arial; elsewhere its free metric twin comes first.
    FaceStandIn{"Arial", windows, sansSerif},
    FaceStandIn{"Liberation Sans", both, sansSerif},
    FaceStandIn{"Arial", freeDesktop, sansSerif},
    FaceStandIn{"DejaVu Sans", freeDesktop, sansSerif},
    // The design's own bitmap face, with its few sizes, as the last resort.
    FaceStandIn{"MS Sans Serif", windows, natural},
};

constexpr std::array minchoFaces{
    // It comes with East Asian language support; the title has room for a plain serif.
    FaceStandIn{"MS Mincho", windows, natural},
    FaceStandIn{"IPAMincho", freeDesktop, natural},
    FaceStandIn{"IPAexMincho", freeDesktop, natural},
    FaceStandIn{"Times New Roman", windows, natural},
    FaceStandIn{"Liberation Serif", both, natural},
};

constexpr std::array oldEnglishFaces{
    // A narrow blackletter that comes with some office suites, and a free one of the same kind.
    FaceStandIn{"Old English Text MT", windows, natural},
    FaceStandIn{"Blankenburg_UNZ1A", freeDesktop, natural},
    FaceStandIn{"Blankenburg", freeDesktop, natural},
    FaceStandIn{"Times New Roman", windows, blackletter},
    FaceStandIn{"Liberation Serif", both, blackletter},
};

constexpr std::array faces{
    DesignFace{"MS Sans Serif", sansSerifFaces},
    DesignFace{"MS Mincho", minchoFaces},
    DesignFace{"Old English Text MT", oldEnglishFaces},
};

} // namespace

std::span<const DesignFace> designFaces() {
    return faces;
}

std::span<const FaceStandIn> standInsFor(std::string_view family) {
    const auto* found = std::ranges::find(faces, family, &DesignFace::family);
    return found != faces.end() ? found->standIns : std::span<const FaceStandIn>{};
}

int standInWidthPercent(StandInWidth width, const FontDesign& font) {
    switch (width) {
    case natural:
        return 100;
    case sansSerif: {
        // The bitmap face's strikes run narrower than Arial's metrics at the same size: 92 to
        // 96 % at 8.25 and 18 points, but only 82 to 90 % at 13.5. The excuse labels need that
        // narrow strike: ls3 lies in front of the right 9 pixels of ls2, and the widest word,
        // "Logic - Subsystem", centred in ls2, clears ls3 only at 80 %.
        constexpr float narrowStrikeFrom = 12.5F;
        constexpr float narrowStrikeTo = 16.0F;
        return font.points > narrowStrikeFrom && font.points < narrowStrikeTo ? 80 : 94;
    }
    case blackletter:
        // A bold serif needs about four fifths of the blackletter's width to keep the series
        // name on one line.
        return 78;
    }
    return 100;
}

} // namespace platform
