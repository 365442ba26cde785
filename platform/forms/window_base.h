#pragma once

#include "platform/forms/control_table.h"
#include "platform/forms/window.h"

#include <utility>

// What every backend's window has in common, written once so that the test double cannot drift
// from the real windows: whether it is loaded and shown, its handlers, and the order of an unload.
namespace platform {

class WindowBase : public Window {
public:
    // Brought to the front when loaded; a window once unloaded stays closed.
    void show() final {
        if (loaded_) {
            present(!std::exchange(shown_, true));
        }
    }
    // Marks the window unloaded first, so that the handler and anything it calls find it so,
    // then runs the unload handler, then closes the window on screen.
    void unload() final {
        if (!std::exchange(loaded_, false)) {
            return;
        }
        if (unloadHandler_) {
            unloadHandler_();
        }
        shown_ = false;
        close();
    }
    [[nodiscard]] bool loaded() const final { return loaded_; }
    void onUnload(Handler handler) final { unloadHandler_ = std::move(handler); }
    void onCopy(Handler handler) final {
        copyHandler_ = std::move(handler);
        offerCopy();
    }
    void setCopyAvailable(bool available) final { copyAvailable_ = available; }

    // Shown since it was loaded, and not yet unloaded.
    [[nodiscard]] bool shown() const { return shown_; }

protected:
    [[nodiscard]] Control& control(std::string_view name) final { return controls_.find(name); }
    // The window's controls by name, as the backend builds them.
    [[nodiscard]] ControlTable& controls() { return controls_; }
    [[nodiscard]] bool hasCopyCommand() const { return static_cast<bool>(copyHandler_); }
    [[nodiscard]] bool copyAvailable() const { return copyAvailable_; }
    // Runs the copy command, where the window has one.
    void copy() const {
        if (copyHandler_) {
            copyHandler_();
        }
    }

private:
    // Puts the window on screen and in front; `first` the first time since it was loaded.
    virtual void present(bool first) = 0;
    // Takes the unloaded window off the screen.
    virtual void close() = 0;
    // Offers the copy command's keys and menu, once it has a handler.
    virtual void offerCopy() {}

    ControlTable controls_;
    Handler unloadHandler_;
    Handler copyHandler_;
    bool copyAvailable_ = false;
    bool loaded_ = true;
    bool shown_ = false;
};

} // namespace platform
