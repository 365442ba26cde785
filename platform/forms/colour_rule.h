#pragma once

#include "platform/forms/design.h"

#include <optional>

// Which colour a design's colour is drawn in under the user's theme: the design's own where it
// reads against what lies behind it, the theme's where it does not or where the user asked for
// high contrast. Both backends read their theme into ThemeColours and ask here.
namespace platform {

// The theme's colour for each role, as the backend reads it from the system.
struct ThemeColours {
    Colour face = 0x00F0F0F0;       // behind the windows and their labels
    Colour text = 0x00000000;       // text on the face
    Colour window = 0x00FFFFFF;     // behind lists
    Colour windowText = 0x00000000; // text on the window colour, lines and outlines
    Colour link = 0x00CC6600;
    Colour highlight = 0x00D77800;
    Colour lineDark = 0x00A0A0A0;
    Colour lineLight = 0x00FFFFFF;
    bool highContrast = false;

    friend bool operator==(const ThemeColours&, const ThemeColours&) = default;
};

// What a design's colour is used for.
enum class ColourRole { Text, Link, LineDark, LineLight, Bar, BarFrame, ShapeBack };

// WCAG 2 contrast ratio, 1 to 21.
[[nodiscard]] double contrastRatio(Colour a, Colour b);

// The face and the text on it. A theme whose text does not read on its face falls back to its
// window text on its window colour, and where that does not read either, to black on white.
struct Ground {
    Colour face;
    Colour text;
};
[[nodiscard]] Ground groundOf(const ThemeColours& theme);

// The colour to draw a design colour of this role in, over the colour behind it; nullopt is the
// text colour of a label that names none.
[[nodiscard]] Colour chooseColour(ColourRole role, std::optional<Colour> design, Colour behind,
                                  const ThemeColours& theme);

// Lines and outlines that the design leaves in the window-text colour.
[[nodiscard]] Colour outlineColour(const ThemeColours& theme);

// The colours a control of the design is drawn in: a label's or a line's colour (fore) on the
// ground behind it (back); a shape's outline (fore), back colour and fill colour.
struct DrawnColours {
    Colour fore;
    Colour back;
    Colour fill;
};
[[nodiscard]] DrawnColours coloursOf(const WindowDesign& window, const ControlDesign& control,
                                     const ThemeColours& theme);

} // namespace platform
