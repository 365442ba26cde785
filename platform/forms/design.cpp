#include "platform/forms/design.h"

#include "platform/forms/twips.h"
#include "platform/runtime/errors.h"

#include <algorithm>
#include <ranges>
#include <string>

namespace platform {

bool isProgressBar(const ControlDesign& control) {
    return control.kind == ControlKind::Shape && !control.progressFrame.empty();
}

double progressScale(const WindowDesign& design, const ControlDesign& bar) {
    return static_cast<double>(findControl(design, bar.progressFrame).rect.width);
}

bool isLink(const ControlDesign& control) {
    return control.kind == ControlKind::Label && control.link;
}

bool takesFocus(ControlKind kind) {
    switch (kind) {
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::ListBox:
    case ControlKind::PictureBox:
        return true;
    case ControlKind::Label:
    case ControlKind::Shape:
    case ControlKind::Line:
    case ControlKind::Timer:
        return false;
    }
    return false;
}

bool isWindowed(ControlKind kind) {
    return takesFocus(kind);
}

std::vector<const ControlDesign*> tabOrder(const WindowDesign& design) {
    std::vector<const ControlDesign*> order;
    for (const auto& control : design.controls) {
        if (takesFocus(control.kind) && control.tabIndex) {
            order.push_back(&control);
        }
    }
    std::ranges::stable_sort(order, {}, [](const ControlDesign* c) { return *c->tabIndex; });
    return order;
}

std::vector<const ControlDesign*> stackingBackToFront(const WindowDesign& design) {
    std::vector<const ControlDesign*> order;
    // Graphical controls are painted on the window itself, under every windowed control.
    for (const bool windowed : {false, true}) {
        for (auto it = design.controls.rbegin(); it != design.controls.rend(); ++it) {
            if (isWindowed(it->kind) == windowed && it->kind != ControlKind::Timer) {
                order.push_back(&*it);
            }
        }
    }
    return order;
}

const ControlDesign& findControl(const WindowDesign& design, std::string_view name) {
    const auto it = std::ranges::find(design.controls, name, &ControlDesign::name);
    if (it == design.controls.end()) {
        throw RuntimeError(ErrorNumber::ControlFailure, "No control named " + std::string(name) +
                                                            " on " + std::string(design.name));
    }
    return *it;
}

const ControlDesign* buttonForEnter(const WindowDesign& design, std::string_view focused) {
    for (const auto& control : design.controls) {
        if (control.kind == ControlKind::CommandButton && control.name == focused) {
            return &control;
        }
    }
    const auto it = std::ranges::find(design.controls, true, &ControlDesign::defaultButton);
    return it == design.controls.end() ? nullptr : &*it;
}

const ControlDesign* buttonForEscape(const WindowDesign& design) {
    const auto it = std::ranges::find(design.controls, true, &ControlDesign::cancelButton);
    return it == design.controls.end() ? nullptr : &*it;
}

namespace {

// The control that a right-click at the point offers "Copy" on: the control shown in front
// there, when it offers it.
const ControlDesign* copyMenuAt(const WindowDesign& design, TwipPoint point,
                                const std::function<bool(const ControlDesign&)>& shown) {
    for (const ControlDesign* control : std::views::reverse(stackingBackToFront(design))) {
        const TwipRect& r = control->rect;
        if (point.x >= r.left && point.x < r.right() && point.y >= r.top && point.y < r.bottom() &&
            shown(*control)) {
            return control->offersCopy ? control : nullptr;
        }
    }
    return nullptr;
}

std::optional<TwipPoint> copyMenuAnchor(const WindowDesign& design) {
    std::optional<TwipRect> area;
    for (const auto& control : design.controls) {
        if (!control.offersCopy) {
            continue;
        }
        if (!area) {
            area = control.rect;
            continue;
        }
        const int left = std::min(area->left, control.rect.left);
        const int top = std::min(area->top, control.rect.top);
        area = TwipRect{left, top, std::max(area->right(), control.rect.right()) - left,
                        std::max(area->bottom(), control.rect.bottom()) - top};
    }
    if (!area) {
        return std::nullopt;
    }
    return TwipPoint{area->left + area->width / 2, area->top + area->height / 2};
}

} // namespace

std::optional<PixelPoint> copyMenuPlace(const WindowDesign& design,
                                        std::optional<PixelPoint> clicked, double dotsPerInch,
                                        const std::function<bool(const ControlDesign&)>& shown) {
    if (clicked) {
        const TwipPoint point{pixelsToTwips(clicked->x, dotsPerInch),
                              pixelsToTwips(clicked->y, dotsPerInch)};
        return copyMenuAt(design, point, shown) != nullptr ? clicked : std::nullopt;
    }
    if (const std::optional<TwipPoint> anchor = copyMenuAnchor(design)) {
        return PixelPoint{twipsToPixels(anchor->x, dotsPerInch),
                          twipsToPixels(anchor->y, dotsPerInch)};
    }
    return std::nullopt;
}

const ControlDesign* nextInTabOrder(const WindowDesign& design, const ControlDesign* from,
                                    bool forward,
                                    const std::function<bool(const ControlDesign&)>& canTakeFocus) {
    const auto order = tabOrder(design);
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    const auto found = std::ranges::find(order, from);
    std::ptrdiff_t position = found != order.end() ? found - order.begin() : (forward ? -1 : count);
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        position = ((forward ? position + 1 : position - 1) % count + count) % count;
        const ControlDesign* next = order[static_cast<std::size_t>(position)];
        if (next != from && canTakeFocus(*next)) {
            return next;
        }
    }
    return nullptr;
}

} // namespace platform
