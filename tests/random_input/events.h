#pragma once

// The events, drawn from the seed alone: clicks weighted toward the buttons, keys, and what the
// window manager and other clients do to the windows, in bursts.
#include "basics.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace random_input {

// Where an event goes: a control of a window's design, anywhere in a window, or its title bar.
struct Target {
    Kind window;
    std::string_view control; // "" for anywhere in the window; "title" for its title bar
    double weight;
};

enum class Action { Click, Key, WindowManagerClose, Destroy, Minimize, Restore, Activate };

struct Event {
    Action action = Action::Click;
    Target target{};
    bool doubleClick = false;
    std::string key; // for keys: "Tab", "Shift+Tab", "Alt+S", ...
    double x = 0.5;  // where in the target, 0..1 across
    double y = 0.5;  // and down
    int delayMs = 0; // before the event
    int pressMs = 0; // between press and release
};

std::string describeEvent(const Event& event);

class Generator {
public:
    explicit Generator(std::uint64_t seed) : random_(seed) {}

    Event next();
    // A burst: 1 to maxBurst events within at most 50 ms.
    std::vector<Event> burst(int maxBurst);

    // Whether input stops after this burst (the checks run), or another follows soon, which
    // meets the slow draw or a window under way; and the pause before it.
    bool inputStops() { return uniform(0, 1) < 0.65; }
    int pauseMs() {
        return static_cast<int>(uniform(0, 1) < 0.5 ? uniform(0, 30) : uniform(30, 400));
    }

private:
    double uniform(double from, double to) {
        return std::uniform_real_distribution<double>(from, to)(random_);
    }
    double normal(double mean, double spread) {
        return std::normal_distribution<double>(mean, spread)(random_);
    }

    std::mt19937_64 random_;
};

} // namespace random_input
