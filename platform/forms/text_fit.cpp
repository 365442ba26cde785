#include "platform/forms/text_fit.h"

#include "platform/forms/twips.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace platform {

namespace {

// Narrower than this a face no longer reads as itself.
constexpr int narrowestStretch = 50;

bool overlaps(const PixelRect& a, const PixelRect& b, int edge) {
    const int width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const int height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return width > edge && height > edge;
}

bool allFit(std::span<const FitCase> cases, const TextMeasure& measure) {
    return std::ranges::all_of(cases, [&](const FitCase& fit) {
        return std::ranges::all_of(
            fit.texts, [&](std::string_view text) { return fits(fit.room, measure, text); });
    });
}

} // namespace

std::vector<std::string_view> textsToFit(const ControlDesign& control) {
    std::vector<std::string_view> texts;
    if (!control.text.empty()) {
        texts.push_back(control.text);
    }
    texts.insert(texts.end(), control.shows.begin(), control.shows.end());
    return texts;
}

std::vector<const ControlDesign*> inFrontOf(const WindowDesign& design,
                                            const ControlDesign& label) {
    std::vector<const ControlDesign*> front;
    for (const ControlDesign& control : design.controls) {
        const bool drawn = control.kind != ControlKind::Line &&
                           control.kind != ControlKind::Shape &&
                           control.kind != ControlKind::Timer && control.visible;
        if (&control != &label && drawn && (isWindowed(control.kind) || &control < &label)) {
            front.push_back(&control);
        }
    }
    return front;
}

TextRoom roomFor(const WindowDesign& design, const ControlDesign& control, double dotsPerInch) {
    const auto inPixels = [dotsPerInch](const TwipRect& rect) {
        return PixelRect{
            twipsToPixels(rect.left, dotsPerInch), twipsToPixels(rect.top, dotsPerInch),
            twipsToPixels(rect.right(), dotsPerInch), twipsToPixels(rect.bottom(), dotsPerInch)};
    };
    TextRoom room{.area = inPixels(control.rect),
                  .label = control.kind == ControlKind::Label,
                  .alignment = control.alignment,
                  .edge = std::max(1, twipsToPixels(15, dotsPerInch))};
    if (room.label) {
        for (const ControlDesign* front : inFrontOf(design, control)) {
            room.inFront.push_back(inPixels(front->rect));
        }
    }
    return room;
}

std::vector<std::string> wrapLines(const TextMeasure& measure, std::string_view text, int width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(' ', at);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, end - start);
        at = end;
        std::string longer = line.empty() ? std::string(word) : line + ' ' + std::string(word);
        if (!line.empty() && measure.width(longer) > width) {
            lines.push_back(std::move(line));
            line = std::string(word);
        } else {
            line = std::move(longer);
        }
    }
    if (!line.empty()) {
        lines.push_back(std::move(line));
    }
    return lines;
}

bool fits(const TextRoom& room, const TextMeasure& measure, std::string_view text) {
    const int width = room.area.right - room.area.left;
    if (!room.label) {
        // A caption's access key marker takes no room.
        std::string shown(text);
        std::erase(shown, '&');
        return measure.width(shown) <= width;
    }
    const int lineHeight = std::max(1, measure.lineHeight());
    const int given = std::max(1, (room.area.bottom - room.area.top) / lineHeight);
    const std::vector<std::string> lines =
        given == 1 ? std::vector<std::string>{std::string(text)} : wrapLines(measure, text, width);
    if (std::cmp_greater(lines.size(), given)) {
        return false;
    }
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const int needs = measure.width(lines[index]);
        if (needs > width) {
            return false;
        }
        const int left =
            room.area.left + (room.alignment == Alignment::Centre ? (width - needs) / 2 : 0);
        const int top = room.area.top + static_cast<int>(index) * lineHeight;
        const PixelRect ink{left, top + measure.leading(), left + needs, top + lineHeight};
        if (std::ranges::any_of(room.inFront, [&](const PixelRect& front) {
                return overlaps(ink, front, room.edge);
            })) {
            return false;
        }
    }
    return true;
}

std::vector<FontUsers> fontUsers(const WindowDesign& window,
                                 std::span<const ControlDesign* const> controls) {
    std::vector<FontUsers> fonts;
    for (std::size_t index = 0; index < controls.size(); ++index) {
        const FontDesign font = controls[index]->font.value_or(window.font);
        auto found = std::ranges::find(fonts, font, &FontUsers::font);
        if (found == fonts.end()) {
            found = fonts.insert(fonts.end(), FontUsers{font, {}});
        }
        found->users.push_back(index);
    }
    return fonts;
}

int fittingStretch(int from, std::span<const FitCase> cases,
                   const std::function<std::unique_ptr<TextMeasure>(int stretch)>& measureAt) {
    const auto fitsAt = [&](int stretch) { return allFit(cases, *measureAt(stretch)); };
    if (cases.empty() || from <= narrowestStretch || fitsAt(from)) {
        return from;
    }
    // Text grows with the stretch: the widest that fits lies between these two.
    int fitting = narrowestStretch;
    int tooWide = from;
    while (tooWide - fitting > 1) {
        const int middle = (fitting + tooWide) / 2;
        (fitsAt(middle) ? fitting : tooWide) = middle;
    }
    return fitting;
}

} // namespace platform
