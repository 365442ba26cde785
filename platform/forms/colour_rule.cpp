#include "platform/forms/colour_rule.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace platform {

namespace {

constexpr double textContrast = 4.5;
constexpr double graphicContrast = 3.0;

double channel(unsigned value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Colour colour) {
    return 0.2126 * channel(colour & 0xFFU) + 0.7152 * channel((colour >> 8U) & 0xFFU) +
           0.0722 * channel((colour >> 16U) & 0xFFU);
}

bool reads(Colour colour, Colour behind, double needed) {
    return contrastRatio(colour, behind) >= needed;
}

} // namespace

double contrastRatio(Colour a, Colour b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

Ground groundOf(const ThemeColours& theme) {
    if (reads(theme.text, theme.face, textContrast)) {
        return {theme.face, theme.text};
    }
    if (reads(theme.windowText, theme.window, textContrast)) {
        return {theme.window, theme.windowText};
    }
    return {0x00FFFFFF, 0x00000000};
}

Colour chooseColour(ColourRole role, std::optional<Colour> design, Colour behind,
                    const ThemeColours& theme) {
    const Ground ground = groundOf(theme);
    Colour own = ground.text;
    double needed = textContrast;
    switch (role) {
    case ColourRole::Text:
        break;
    case ColourRole::Link:
        own = theme.link;
        break;
    case ColourRole::LineDark:
        own = theme.lineDark;
        needed = graphicContrast;
        break;
    case ColourRole::LineLight:
        own = theme.lineLight;
        needed = graphicContrast;
        break;
    case ColourRole::Bar:
        own = theme.highlight;
        needed = graphicContrast;
        break;
    case ColourRole::BarFrame:
    case ColourRole::ShapeBack:
        // Set apart from the window by their outlines, not by their fill.
        return theme.highContrast ? ground.face : design.value_or(ground.face);
    }
    if (theme.highContrast) {
        return own;
    }
    const Colour wanted = design.value_or(ground.text);
    if (reads(wanted, behind, needed)) {
        return wanted;
    }
    const bool line = role == ColourRole::LineDark || role == ColourRole::LineLight;
    if (line || reads(own, behind, needed)) {
        // The light half of an etched line sits close to the face by nature: the theme's own.
        return own;
    }
    return ground.text;
}

Colour outlineColour(const ThemeColours& theme) {
    const Ground ground = groundOf(theme);
    return reads(theme.windowText, ground.face, graphicContrast) ? theme.windowText : ground.text;
}

DrawnColours coloursOf(const WindowDesign& window, const ControlDesign& control,
                       const ThemeColours& theme) {
    const Colour face = groundOf(theme).face;
    switch (control.kind) {
    case ControlKind::Line: {
        if (!control.line.colour) {
            return {outlineColour(theme), face, face};
        }
        // Of an etched pair, the element lighter than mid grey is the light one.
        const ColourRole role =
            luminance(*control.line.colour) > 0.5 ? ColourRole::LineLight : ColourRole::LineDark;
        return {chooseColour(role, control.line.colour, face, theme), face, face};
    }
    case ControlKind::Shape: {
        const auto fillOf = [&](const ShapeDesign& shape) {
            return chooseColour(ColourRole::BarFrame, shape.fillColour, face, theme);
        };
        const Colour fill =
            !isProgressBar(control)
                ? fillOf(control.shape)
                : chooseColour(ColourRole::Bar, control.shape.fillColour,
                               fillOf(findControl(window, control.progressFrame).shape), theme);
        return {outlineColour(theme),
                chooseColour(ColourRole::ShapeBack, control.shape.backColour, face, theme), fill};
    }
    default:
        return {chooseColour(isLink(control) ? ColourRole::Link : ColourRole::Text,
                             control.foreColour, face, theme),
                face, face};
    }
}

} // namespace platform
