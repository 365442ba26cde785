#pragma once

// The accessibility bus: the program's windows as a screen reader reads them.
#include "basics.h"

#include <atspi/atspi.h>
#include <sys/types.h>

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

class Reader {
public:
    explicit Reader(pid_t pid) : pid_(pid) {}

    // Waits until the program is on the bus; false when it does not come.
    bool join(const std::function<bool()>& alive);
    // The main window's state, or nullopt when it is not on the bus or does not answer.
    std::optional<MainState> readMain();
    // A question the program answers from its event loop: false when it does not.
    bool answers();
    // What the bus shows of a window: role, name and shown state of each child.
    std::string dump(std::string_view title);

private:
    bool findApp();
    // The main window: named by its title, or by its icon text, which is empty, when minimized.
    Ref<AtspiAccessible> mainFrame();

    pid_t pid_;
    Ref<AtspiAccessible> app_;
};

} // namespace random_input
