#pragma once

#include "platform/forms/design.h"
#include "platform/runtime/uncopyable.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Whether a control's texts fit it in the face the system gave, and how far to narrow the face
// where they do not: the rule both backends draw text by.
namespace platform {

// A rectangle in a window's client pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A font as a backend measures it.
class TextMeasure : public Uncopyable {
public:
    virtual ~TextMeasure() = default;

    [[nodiscard]] virtual int width(std::string_view text) const = 0;
    [[nodiscard]] virtual int lineHeight() const = 0;
    // The part of a line above the tallest letters, where no ink lies.
    [[nodiscard]] virtual int leading() const = 0;
};

// Where a control's text goes. A control with room for one line takes each text on it; a
// taller label wraps it at spaces. A label's ink must not run under the controls in front of it.
struct TextRoom {
    PixelRect area;
    bool label = false;
    Alignment alignment = Alignment::Left;
    std::vector<PixelRect> inFront;
    // An overlap this thin is an antialiased edge, not a lost stroke.
    int edge = 1;
};

// One control's share of a font: where its text goes and every text it must show.
struct FitCase {
    TextRoom room;
    std::vector<std::string_view> texts;
};

// Every text the control must show: its caption and what its window writes into it.
[[nodiscard]] std::vector<std::string_view> textsToFit(const ControlDesign& control);

// The controls that lie in front of a label as its window opens: windowed controls, and the
// labels before it in the design.
[[nodiscard]] std::vector<const ControlDesign*> inFrontOf(const WindowDesign& design,
                                                          const ControlDesign& label);

// Where a control's text goes at that scale: its whole rectangle, each edge rounded as the
// controls are placed; a backend takes off the room its control's own parts (a bevel, a tick
// box) need.
[[nodiscard]] TextRoom roomFor(const WindowDesign& design, const ControlDesign& control,
                               double dotsPerInch);

// A label's lines: as many whole words on each as its width takes.
[[nodiscard]] std::vector<std::string> wrapLines(const TextMeasure& measure, std::string_view text,
                                                 int width);

[[nodiscard]] bool fits(const TextRoom& room, const TextMeasure& measure, std::string_view text);

// A font the controls of a window draw in, and which of them (by their place in the list) do.
struct FontUsers {
    FontDesign font;
    std::vector<std::size_t> users;
};

// Each font the controls draw in, once, in the order the controls first use it: the window's
// own for a control without a font of its own. A font's width is fitted for all its users.
[[nodiscard]] std::vector<FontUsers> fontUsers(const WindowDesign& window,
                                               std::span<const ControlDesign* const> controls);

// The stretch, in percent, to draw a font at: `from` where every case fits at it, else the
// widest narrower one at which they all do. measureAt makes the font at a stretch.
[[nodiscard]] int
fittingStretch(int from, std::span<const FitCase> cases,
               const std::function<std::unique_ptr<TextMeasure>(int stretch)>& measureAt);

} // namespace platform
