#pragma once

// The accessibility bus: the program's windows as a screen reader reads them.
#include "basics.h"

#include "main_window/form1_design.h"
#include "platform/forms/design.h"

#include <atspi/atspi.h>
#include <sys/types.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace random_input {

struct Unref {
    void operator()(void* object) const {
        if (object != nullptr) {
            g_object_unref(object);
        }
    }
};
template <typename T> using Ref = std::unique_ptr<T, Unref>;

// The main window as read from the bus; nullopt when the program did not answer.
struct MainState {
    std::string bigButton;
    bool bigButtonShown = false;
    bool barShown = false;
    bool frameShown = false;
    std::array<std::string, 4> words;
};

inline constexpr std::array<std::string_view, 4> excuseLabels = {"ls1", "ls2", "ls3", "ls4"};

// A call's error, taken and freed so that the next call can report its own: its message, or ""
// when the call succeeded.
inline std::string takeError(GError*& error) {
    if (error == nullptr) {
        return {};
    }
    std::string message =
        error->message != nullptr && *error->message != '\0' ? error->message : "(no message)";
    g_error_free(error);
    error = nullptr;
    return message;
}

inline std::string takeString(gchar* text) {
    std::string value = text != nullptr ? text : "";
    g_free(text);
    return value;
}

// Each child that can be read, in order, with its index, until the function returns true (found).
template <typename Each> void eachChild(AtspiAccessible* parent, Each each) {
    const int count = atspi_accessible_get_child_count(parent, nullptr); // -1 when unreadable
    for (int i = 0; i < count; ++i) {
        Ref<AtspiAccessible> child(atspi_accessible_get_child_at_index(parent, i, nullptr));
        if (child && each(i, std::move(child))) {
            return;
        }
    }
}

inline Ref<AtspiAccessible> childNamed(AtspiAccessible* parent, std::string_view name) {
    Ref<AtspiAccessible> found;
    eachChild(parent, [&](int, Ref<AtspiAccessible> child) {
        if (takeString(atspi_accessible_get_name(child.get(), nullptr)) == name) {
            found = std::move(child);
        }
        return found != nullptr;
    });
    return found;
}

class Reader {
public:
    explicit Reader(pid_t pid) : pid_(pid) {}

    // Waits until the program is on the bus; false when it does not come.
    bool join(const std::function<bool()>& alive) {
        const auto until = Clock::now() + settleTimeout;
        while (Clock::now() < until && alive()) {
            if (findApp()) {
                return true;
            }
            sleepMs(50);
        }
        return false;
    }
    // The main window's state, or nullopt when it is not on the bus or does not answer.
    std::optional<MainState> readMain() {
        if (!app_ && !findApp()) {
            return std::nullopt;
        }
        // Minimized or not, a window keeps its title as its name.
        Ref<AtspiAccessible> frame = childNamed(app_.get(), mainTitle);
        if (!frame) {
            return std::nullopt;
        }
        GError* error = nullptr;
        const int count = atspi_accessible_get_child_count(frame.get(), &error);
        if (!takeError(error).empty()) {
            return std::nullopt;
        }
        const auto order = platform::stackingBackToFront(pretextor::form1Design());
        // The design's controls come first, in their order; a screen reader's status area may
        // follow them.
        if (count < static_cast<int>(order.size())) {
            throw Failure{"the main window shows " + std::to_string(count) +
                          " accessible children; its design has " + std::to_string(order.size())};
        }
        const auto indexOf = [&order](std::string_view name) {
            return static_cast<int>(std::ranges::find(order, name, &platform::ControlDesign::name) -
                                    order.begin());
        };
        MainState state;
        bool ok = true;
        const auto read = [&](std::string_view name, std::string* text, bool* shown) {
            Ref<AtspiAccessible> child(
                atspi_accessible_get_child_at_index(frame.get(), indexOf(name), &error));
            if (!takeError(error).empty() || !child) {
                ok = false;
                return;
            }
            if (text != nullptr) {
                *text = takeString(atspi_accessible_get_name(child.get(), &error));
            }
            if (shown != nullptr) {
                Ref<AtspiStateSet> states(atspi_accessible_get_state_set(child.get()));
                *shown = states && atspi_state_set_contains(states.get(), ATSPI_STATE_VISIBLE);
            }
            if (!takeError(error).empty()) {
                ok = false;
            }
        };
        read("Command1", &state.bigButton, &state.bigButtonShown);
        read("Shape1", nullptr, &state.barShown);
        read("Shape2", nullptr, &state.frameShown);
        for (std::size_t i = 0; i < excuseLabels.size(); ++i) {
            read(excuseLabels[i], &state.words[i], nullptr);
        }
        if (!ok) {
            return std::nullopt;
        }
        return state;
    }
    // A question the program answers from its event loop: false when it does not.
    bool answers() {
        if (!app_ && !findApp()) {
            return false;
        }
        GError* error = nullptr;
        (void)atspi_accessible_get_child_count(app_.get(), &error);
        return takeError(error).empty();
    }
    // What the bus shows of a window: role, name and shown state of each child.
    std::string dump(std::string_view title) {
        if (!app_ && !findApp()) {
            return "(not on the bus)";
        }
        std::string text;
        GError* error = nullptr;
        const int windows = atspi_accessible_get_child_count(app_.get(), &error);
        if (const std::string why = takeError(error); !why.empty()) {
            text += "(the program's windows cannot be listed: " + why + ")\n";
        }
        for (int i = 0; i < windows; ++i) {
            Ref<AtspiAccessible> window(atspi_accessible_get_child_at_index(app_.get(), i, &error));
            text += "window " + std::to_string(i) + ": ";
            if (const std::string why = takeError(error); !why.empty()) {
                text += "(" + why + ")\n";
                continue;
            }
            text += '"' + takeString(atspi_accessible_get_name(window.get(), &error)) + '"';
            if (const std::string why = takeError(error); !why.empty()) {
                text += " (" + why + ")";
            }
            text += "\n";
        }
        Ref<AtspiAccessible> frame = childNamed(app_.get(), title);
        if (!frame) {
            return text + "(no such window on the bus)";
        }
        eachChild(frame.get(), [&](int i, Ref<AtspiAccessible> child) {
            Ref<AtspiStateSet> states(atspi_accessible_get_state_set(child.get()));
            const bool visible =
                states && atspi_state_set_contains(states.get(), ATSPI_STATE_VISIBLE);
            text += std::to_string(i) + ": " +
                    takeString(atspi_accessible_get_role_name(child.get(), nullptr)) + " \"" +
                    takeString(atspi_accessible_get_name(child.get(), nullptr)) + "\"" +
                    (visible ? " visible" : "") + "\n";
            return false;
        });
        return text;
    }

private:
    bool findApp() {
        Ref<AtspiAccessible> desktop(atspi_get_desktop(0));
        if (!desktop) {
            return false;
        }
        atspi_accessible_set_cache_mask(desktop.get(), ATSPI_CACHE_NONE);
        eachChild(desktop.get(), [this](int, Ref<AtspiAccessible> app) {
            GError* error = nullptr;
            const guint pid = atspi_accessible_get_process_id(app.get(), &error);
            if (!takeError(error).empty() || static_cast<pid_t>(pid) != pid_) {
                return false;
            }
            // Read afresh each time: nothing runs the events that would keep a cache true.
            atspi_accessible_set_cache_mask(app.get(), ATSPI_CACHE_NONE);
            app_ = std::move(app);
            return true;
        });
        return app_ != nullptr;
    }

    pid_t pid_;
    Ref<AtspiAccessible> app_;
};

} // namespace random_input
