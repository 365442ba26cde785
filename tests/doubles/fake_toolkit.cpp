#include "fake_toolkit.h"

#include "fake_controls.h"

#include <algorithm>

namespace platform::fake {

namespace {

std::unique_ptr<Control> makeControl(const ControlDesign& design) {
    switch (design.kind) {
    case ControlKind::CommandButton:
        return std::make_unique<FakeCommandButton>(design);
    case ControlKind::CheckBox:
        return std::make_unique<FakeCheckBox>(design);
    case ControlKind::Label:
        return std::make_unique<FakeLabel>(design);
    case ControlKind::ListBox:
        return std::make_unique<FakeListBox>(design);
    case ControlKind::Shape:
        return std::make_unique<FakeShape>(design);
    case ControlKind::Line:
        return std::make_unique<FakeLine>(design);
    case ControlKind::Timer:
        return std::make_unique<FakeTimer>();
    case ControlKind::PictureBox:
        return std::make_unique<FakePictureBox>(design);
    }
    throw RuntimeError(ErrorNumber::ControlFailure, "Unknown control kind");
}

} // namespace

FakeWindow::FakeWindow(FakeToolkit& toolkit, const WindowDesign& design)
    : toolkit_(toolkit), design_(design), caption_(design.caption) {
    for (const auto& control : design.controls) {
        controls().add(control.name, makeControl(control));
    }
    const auto order = tabOrder(design);
    if (!order.empty()) {
        focused_ = order.front()->name;
    }
    toolkit_.windows_.push_back(this);
}

FakeWindow::~FakeWindow() {
    std::erase(toolkit_.windows_, this);
}

std::vector<std::string> FakeWindow::controlNames() const {
    std::vector<std::string> names;
    for (const auto& control : design_.controls) {
        names.emplace_back(control.name);
    }
    return names;
}

void FakeWindow::click(std::string_view name) {
    if (!shown()) {
        return;
    }
    auto& target = control(name);
    if (auto* box = dynamic_cast<FakeCheckBox*>(&target); box != nullptr && canBeClicked(*box)) {
        box->toggle();
    }
    if (takesFocus(findControl(design_, name).kind) && canBeClicked(target)) {
        focused_ = name;
    }
    if (auto* clickable = dynamic_cast<FakeClickable*>(&target)) {
        clickable->click();
    }
}

void FakeWindow::setBlocked(bool blocked) {
    controls().forEach([blocked](Control& control) {
        if (auto* clickable = dynamic_cast<FakeClickable*>(&control)) {
            clickable->setTakesInput(!blocked);
        }
    });
}

void FakeWindow::pressEnter() {
    if (const auto* button = buttonForEnter(design_, focused_)) {
        get<FakeCommandButton>(button->name).click();
    }
}

void FakeWindow::pressEscape() {
    if (const auto* button = buttonForEscape(design_)) {
        get<FakeCommandButton>(button->name).click();
    }
}

void FakeWindow::pressTab() {
    const ControlDesign* focused = focused_.empty() ? nullptr : &findControl(design_, focused_);
    if (const ControlDesign* next =
            nextInTabOrder(design_, focused, true, [this](const ControlDesign& control) {
                return this->control(control.name).visible();
            })) {
        focused_ = next->name;
    }
}

void FakeWindow::pressCopy() {
    if (shown()) {
        copy();
    }
}

bool FakeWindow::copyFromMenu(std::string_view name) {
    const ControlDesign& design = findControl(design_, name);
    // At 1440 dots per inch a pixel is a twip.
    const PixelPoint middle{design.rect.left + design.rect.width / 2,
                            design.rect.top + design.rect.height / 2};
    const auto visible = [this](const ControlDesign& c) { return control(c.name).visible(); };
    if (!shown() || !hasCopyCommand() || !copyAvailable() ||
        !copyMenuPlace(design_, middle, 1440.0, visible)) {
        return false;
    }
    copy();
    return true;
}

void FakeWindow::closeBox() {
    if (shown()) {
        unload();
    }
}

std::unique_ptr<Window> FakeToolkit::load(const WindowDesign& design) {
    everLoaded_ = true;
    ++loads_[std::string(design.name)];
    return std::make_unique<FakeWindow>(*this, design);
}

FakeWindow* FakeToolkit::window(std::string_view designName) const {
    const auto it = std::ranges::find_if(windows_.rbegin(), windows_.rend(), [&](FakeWindow* w) {
        return w->design().name == designName;
    });
    return it == windows_.rend() ? nullptr : *it;
}

int FakeToolkit::loadedWindows() const {
    return static_cast<int>(std::ranges::count_if(windows_, &FakeWindow::loaded));
}

int FakeToolkit::loadsOf(std::string_view designName) const {
    const auto it = loads_.find(designName);
    return it == loads_.end() ? 0 : it->second;
}

void tick(FakeWindow& window, std::string_view timer) {
    if (window.loaded()) {
        window.get<FakeTimer>(timer).fire();
    }
}

} // namespace platform::fake
