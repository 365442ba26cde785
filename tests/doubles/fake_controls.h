#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/design.h"

#include <string>
#include <vector>

namespace platform::fake {

// What a test's click reaches, whatever the kind of control.
class FakeClickable {
public:
    virtual ~FakeClickable() = default;
    virtual void click() = 0;
    // As a modal box over the window, or a disabled control, would.
    virtual void setTakesInput(bool takes) = 0;
};

// Shared state of every fake control: visibility, whether it takes input, the click handler.
template <typename Interface> class FakeControl : public Interface, public FakeClickable {
public:
    explicit FakeControl(const ControlDesign& design) : visible_(design.visible) {}

    [[nodiscard]] bool visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    [[nodiscard]] bool takesInput() const override { return takesInput_; }
    void setTakesInput(bool takes) override { takesInput_ = takes; }
    void onClick(Handler handler) override { click_.set(std::move(handler)); }

    // Delivered as the toolkits deliver one, queued or not: the handler decides.
    void click() override {
        if (const Handler& handler = click_.forClickOn(*this)) {
            handler();
        }
    }

private:
    bool visible_;
    bool takesInput_ = true;
    ClickHandler click_;
};

// A control with a caption, its design text to begin with.
template <typename Interface> class FakeCaptioned final : public FakeControl<Interface> {
public:
    explicit FakeCaptioned(const ControlDesign& design)
        : FakeControl<Interface>(design), caption_(design.text) {}
    [[nodiscard]] std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }

private:
    std::string caption_;
};
using FakeCommandButton = FakeCaptioned<CommandButton>;
using FakeLabel = FakeCaptioned<Label>;

class FakeCheckBox final : public FakeControl<CheckBox> {
public:
    using FakeControl::FakeControl;
    [[nodiscard]] std::int16_t value() const override { return value_; }
    void setValue(std::int16_t value) override { value_ = value; }
    // A click ticks an unticked box and clears a ticked or greyed one.
    void toggle() { value_ = value_ == unticked ? ticked : unticked; }

private:
    std::int16_t value_ = unticked;
};

class FakeListBox final : public FakeControl<ListBox> {
public:
    using FakeControl::FakeControl;
    void addItem(const std::string& item) override { items_.push_back(item); }
    [[nodiscard]] int count() const override { return static_cast<int>(items_.size()); }
    [[nodiscard]] const std::vector<std::string>& items() const { return items_; }

protected:
    [[nodiscard]] std::string itemText(int index) const override {
        return items_.at(static_cast<std::size_t>(index));
    }

private:
    std::vector<std::string> items_;
};

class FakeShape final : public FakeControl<Shape> {
public:
    explicit FakeShape(const ControlDesign& design)
        : FakeControl(design), width_(static_cast<float>(design.rect.width)) {}
    [[nodiscard]] float width() const override { return width_; }
    void setWidth(float twips) override { width_ = twips; }

private:
    float width_;
};

// Nothing of their own beyond being shown or not.
using FakeLine = FakeControl<Line>;
using FakePictureBox = FakeControl<PictureBox>;

class FakeTimer final : public Timer {
public:
    [[nodiscard]] bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    void onTick(Handler handler) override { tick_ = std::move(handler); }
    // One tick, delivered only while the timer is enabled.
    void fire() {
        if (enabled_ && tick_) {
            tick_();
        }
    }

private:
    bool enabled_ = false;
    Handler tick_;
};

} // namespace platform::fake
