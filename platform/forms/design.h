#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// A window's design as data: every backend builds its real controls from these tables, and the
// test doubles build theirs from the same ones. Positions and sizes are in twips.
namespace platform {

// 0x00BBGGRR, blue in the third byte and red in the lowest.
using Colour = std::uint32_t;

enum class ControlKind { CommandButton, CheckBox, Label, ListBox, Shape, Line, Timer, PictureBox };

enum class Alignment { Left, Centre };

enum class MousePointer { Arrow, UpArrow };

enum class Picture { None, ProgramIcon, AboutPicture };

enum class Frame { FixedSingle, FixedDialog };

struct FontDesign {
    std::string_view family = "MS Sans Serif";
    float points = 8.25F;
    bool bold = false;
    bool underline = false;

    friend bool operator==(const FontDesign&, const FontDesign&) = default;
};

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    [[nodiscard]] int right() const { return left + width; }
    [[nodiscard]] int bottom() const { return top + height; }
    friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

struct TwipPoint {
    int x = 0;
    int y = 0;
};

struct LineDesign {
    TwipPoint from;
    TwipPoint to;
    std::optional<Colour> colour; // nullopt: the window-text colour
    int widthPixels = 1;
};

// A shape's two styles, with the classic values.
enum class BackStyle { Transparent = 0, Opaque = 1 };
enum class FillStyle { Solid = 0, Transparent = 1, DownwardDiagonal = 5 };

// The four drawing values of a shape.
struct ShapeDesign {
    Colour backColour = 0;
    Colour fillColour = 0;
    BackStyle backStyle = BackStyle::Transparent;
    FillStyle fillStyle = FillStyle::Transparent;
};

struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    std::string_view name;
    std::string_view text;
    // The other texts its window writes into it: each must fit as its start text does.
    std::span<const std::string_view> shows;
    TwipRect rect;
    std::optional<FontDesign> font; // nullopt: the window's font
    std::optional<Colour> foreColour;
    Alignment alignment = Alignment::Left;
    bool visible = true;
    std::optional<int> tabIndex;
    bool defaultButton = false;
    bool cancelButton = false;
    MousePointer pointer = MousePointer::Arrow;
    ShapeDesign shape;
    LineDesign line;
    int intervalMs = 0;
    Picture picture = Picture::None;
    // For controls whose caption does not name them (list boxes, pictures).
    std::string_view accessibleName;
    // A label that opens a page or a new mail when clicked: a link to a screen reader.
    bool link = false;
    // A shape that shows progress: the control whose width is the full scale.
    std::string_view progressFrame;
    // A right-click on it, or the menu key anywhere in its window, offers "Copy": the window's
    // copy command, which Ctrl+C and Ctrl+Insert run too.
    bool offersCopy = false;
};

struct WindowDesign {
    std::string_view name;
    std::string_view caption;
    int clientWidth = 0;
    int clientHeight = 0;
    std::optional<TwipPoint> position; // nullopt: the window manager's choice
    Frame frame = Frame::FixedSingle;
    Picture icon = Picture::ProgramIcon;
    FontDesign font;
    // Front to back: where two controls overlap, the earlier one lies in front.
    std::span<const ControlDesign> controls;
};

// A shape with a frame to fill shows progress; other shapes are decoration.
[[nodiscard]] bool isProgressBar(const ControlDesign& control);
// The width in twips that a progress bar's full scale stands for.
[[nodiscard]] double progressScale(const WindowDesign& design, const ControlDesign& bar);
// A label that opens a page or a new mail when clicked.
[[nodiscard]] bool isLink(const ControlDesign& control);

// Whether the control can take the keyboard focus.
[[nodiscard]] bool takesFocus(ControlKind kind);

// Whether the control is a window of its own and so always lies above labels, shapes and lines.
[[nodiscard]] bool isWindowed(ControlKind kind);

// The focusable controls in tab order; the first one has the focus when the window opens.
[[nodiscard]] std::vector<const ControlDesign*> tabOrder(const WindowDesign& design);

// The controls from back to front, as a painter stacks them.
[[nodiscard]] std::vector<const ControlDesign*> stackingBackToFront(const WindowDesign& design);

[[nodiscard]] const ControlDesign& findControl(const WindowDesign& design, std::string_view name);

// The button that Enter presses: the focused command button, else the window's default button.
[[nodiscard]] const ControlDesign* buttonForEnter(const WindowDesign& design,
                                                  std::string_view focused);
// The button that Esc presses: the window's cancel button, if it has one.
[[nodiscard]] const ControlDesign* buttonForEscape(const WindowDesign& design);

// The one item of the copy menu; each backend shows its own shortcut text beside it.
inline constexpr std::string_view copyCaption = "&Copy";

// A point in a window's client pixels.
struct PixelPoint {
    int x = 0;
    int y = 0;
};

// Where the copy menu opens, in the window's client pixels at that scale: at a right-click on the
// control shown in front there, when it offers "Copy"; from the keyboard (no click), in the middle
// of the controls that offer it. nullopt where no menu opens.
[[nodiscard]] std::optional<PixelPoint>
copyMenuPlace(const WindowDesign& design, std::optional<PixelPoint> clicked, double dotsPerInch,
              const std::function<bool(const ControlDesign&)>& shown);

// The control the focus moves to from `from` (nullptr: from outside the tab order), forward or
// back along the tab order and round, past those that cannot take it; nullptr when no other can.
[[nodiscard]] const ControlDesign*
nextInTabOrder(const WindowDesign& design, const ControlDesign* from, bool forward,
               const std::function<bool(const ControlDesign&)>& canTakeFocus);

} // namespace platform
