#pragma once

#include "platform/runtime/uncopyable.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

// The controls as the windows' logic sees them, whatever toolkit draws them.
namespace platform {

using Handler = std::function<void()>;

class Control : public Uncopyable {
public:
    virtual ~Control() = default;

    [[nodiscard]] virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    // Whether the control, and the window it is on, take the user's input now: not while the
    // control is disabled or a modal box blocks its window. Drawn controls take none of their own.
    [[nodiscard]] virtual bool takesInput() const { return true; }
    // Clicks on a control without a handler do nothing.
    virtual void onClick(Handler handler) = 0;
};

// Whether the user could click the control now: it is shown and takes input. Nothing else may
// click it either, be it a screen reader's action or an automation tool's message.
[[nodiscard]] bool canBeClicked(const Control& control);

// A control's click handler, which only a click the user could have made reaches. Clicks queued
// together (a double press, two BM_CLICKs at once) arrive after the first has hidden the control
// or opened a modal box; they stop here, for every toolkit alike.
class ClickHandler {
public:
    void set(Handler handler) { handler_ = std::move(handler); }
    [[nodiscard]] bool empty() const { return !handler_; }
    // What a click on the control runs now: the handler, or nothing.
    [[nodiscard]] const Handler& forClickOn(const Control& control) const;

private:
    Handler handler_;
};

class CommandButton : public Control {
public:
    [[nodiscard]] virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
};

class Label : public Control {
public:
    [[nodiscard]] virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
};

class CheckBox : public Control {
public:
    static constexpr std::int16_t unticked = 0;
    static constexpr std::int16_t ticked = 1;
    static constexpr std::int16_t greyed = 2;

    [[nodiscard]] virtual std::int16_t value() const = 0;
    virtual void setValue(std::int16_t value) = 0;
};

class ListBox : public Control {
public:
    virtual void addItem(const std::string& item) = 0;
    [[nodiscard]] virtual int count() const = 0;
    // The item at index; index == count() yields "", anything else outside the list throws.
    [[nodiscard]] std::string item(std::int16_t index) const;

protected:
    [[nodiscard]] virtual std::string itemText(int index) const = 0;
};

class Shape : public Control {
public:
    [[nodiscard]] virtual float width() const = 0;
    virtual void setWidth(float twips) = 0;
};

class Line : public Control {};

class PictureBox : public Control {};

// A timer is never shown, and no click reaches it.
class Timer : public Control {
public:
    [[nodiscard]] bool visible() const final { return false; }
    void setVisible(bool /*visible*/) final {}
    void onClick(Handler /*handler*/) final {}
    [[nodiscard]] virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void onTick(Handler handler) = 0;
};

} // namespace platform
