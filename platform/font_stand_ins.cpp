#include "font_stand_ins.h"

namespace platform {

int sansSerifStandInWidth(const FontDesign& font) {
    // The bitmap face's strikes run narrower than Arial's metrics at the same size: 92 to 96 % at
    // 8.25 and 18 points, but only 82 to 90 % at 13.5. The excuse labels need that narrow strike:
    // ls3 lies in front of the right 9 pixels of ls2, and the widest word, "Logic - Subsystem",
    // centred in ls2, clears ls3 only at 80 %.
    constexpr float narrowStrikeFrom = 12.5F;
    constexpr float narrowStrikeTo = 16.0F;
    return font.points > narrowStrikeFrom && font.points < narrowStrikeTo ? 80 : 94;
}

} // namespace platform
