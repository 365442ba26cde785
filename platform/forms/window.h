#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/design.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/uncopyable.h"

#include <memory>
#include <string>
#include <string_view>

namespace platform {

// A loaded window: its controls carry their design values from the moment it exists.
class Window : public Uncopyable {
public:
    virtual ~Window() = default;

    // Modeless and without an owner; an open window is brought to the front.
    virtual void show() = 0;
    // Runs the unload handler, then closes the window. The close box takes the same path.
    virtual void unload() = 0;
    [[nodiscard]] virtual bool loaded() const = 0;
    virtual void onUnload(Handler handler) = 0;

    [[nodiscard]] virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;

    // The window's copy command: Ctrl+C and Ctrl+Insert anywhere in it, and "Copy" on the menu of
    // a control that offers it. A window without one keeps those keys for its controls.
    virtual void onCopy(Handler handler) = 0;
    // Whether there is anything to copy: the menu's "Copy" is greyed while there is not.
    virtual void setCopyAvailable(bool available) = 0;
    // Puts the text on the system's clipboard as plain text. A clipboard that another program
    // keeps busy is given up on quietly: copying is never worth an error.
    virtual void copyToClipboard(const std::string& text) = 0;

    // Has a screen reader speak the text once, now, wherever the user's focus is; nothing shows.
    virtual void announce(const std::string& text) = 0;

    template <typename T> T& get(std::string_view name) {
        if (auto* typed = dynamic_cast<T*>(&control(name))) {
            return *typed;
        }
        throw RuntimeError(ErrorNumber::ControlFailure,
                           "Control " + std::string(name) + " is of another kind");
    }

protected:
    [[nodiscard]] virtual Control& control(std::string_view name) = 0;
};

class Toolkit : public Uncopyable {
public:
    virtual ~Toolkit() = default;
    // Builds the window and its controls from the design; the window is not shown yet.
    virtual std::unique_ptr<Window> load(const WindowDesign& design) = 0;
};

} // namespace platform
