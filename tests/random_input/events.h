#pragma once

// The events, drawn from the seed alone: clicks weighted toward the buttons, keys, and what the
// window manager and other clients do to the windows, in bursts.
#include "basics.h"

#include <algorithm>
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

inline std::string describeEvent(const Event& event) {
    std::string text;
    switch (event.action) {
    case Action::Click: {
        text = event.doubleClick ? "double click " : "click ";
        const std::string where(kindName(event.target.window));
        if (event.target.control.empty()) {
            text += "in the " + where;
        } else if (event.target.control == "title") {
            text += "on the " + where + "'s title";
        } else {
            text += std::string(event.target.control) + " (" + where + ")";
        }
        break;
    }
    case Action::Key:
        text = "key " + event.key;
        break;
    case Action::WindowManagerClose:
        text = "window manager closes the " + std::string(kindName(event.target.window));
        break;
    case Action::Destroy:
        text = "another client destroys the " + std::string(kindName(event.target.window));
        break;
    case Action::Minimize:
        text = "minimize the " + std::string(kindName(event.target.window));
        break;
    case Action::Restore:
        text = "window manager restores the About window";
        break;
    case Action::Activate:
        text = "window manager activates the main window";
        break;
    }
    return text;
}

inline const std::vector<Target> clickTargets = {
    {Kind::Main, "Command1", 8.0},  {Kind::Main, "Command2", 4.0},
    {Kind::Main, "Command3", 0.45}, {Kind::Main, "Check1", 2.0},
    {Kind::Main, "Label1", 1.5},    {Kind::Main, "Label2", 0.5},
    {Kind::Main, "List1", 0.4},     {Kind::Main, "List2", 0.4},
    {Kind::Main, "List3", 0.4},     {Kind::Main, "List4", 0.4},
    {Kind::Main, "ls1", 0.2},       {Kind::Main, "ls3", 0.2},
    {Kind::Main, "", 1.0},          {Kind::Main, "title", 0.4},
    {Kind::About, "cmdOK", 2.5},    {Kind::About, "cmdSysInfo", 0.6},
    {Kind::About, "Label1", 0.6},   {Kind::About, "Label3", 0.6},
    {Kind::About, "Label4", 0.6},   {Kind::About, "Label5", 0.6},
    {Kind::About, "picIcon", 0.3},  {Kind::About, "", 1.0},
    {Kind::About, "title", 0.3},    {Kind::Other, "", 1.2}};

struct KeyChoice {
    std::string_view name;
    double weight;
};

inline const std::vector<KeyChoice> keyChoices = {
    {"Tab", 2.0},    {"Shift+Tab", 1.0}, {"space", 2.0},   {"Return", 2.0},
    {"Escape", 2.0}, {"Up", 0.6},        {"Down", 0.6},    {"Left", 0.4},
    {"Right", 0.4},  {"Alt+S", 0.7},     {"Alt+F4", 0.15}, {"KP_Enter", 0.3}};

// One of the choices, each as likely as its weight.
template <typename Choices> const auto& pick(const Choices& choices, std::mt19937_64& random) {
    double total = 0;
    for (const auto& choice : choices) {
        total += choice.weight;
    }
    double at = std::uniform_real_distribution<double>(0, total)(random);
    for (const auto& choice : choices) {
        if (at < choice.weight) {
            return choice;
        }
        at -= choice.weight;
    }
    return choices.back();
}

class Generator {
public:
    explicit Generator(std::uint64_t seed) : random_(seed) {}

    Event next() {
        Event event;
        const double roll = uniform(0, 100);
        if (roll < 70) {
            event.action = Action::Click;
            event.target = pick(clickTargets, random_);
            event.doubleClick = uniform(0, 1) < 0.12;
        } else if (roll < 92) {
            event.action = Action::Key;
            event.key = std::string(pick(keyChoices, random_).name);
        } else if (roll < 94) {
            event.action = Action::WindowManagerClose;
            event.target.window = uniform(0, 1) < 0.85 ? Kind::About : Kind::Main;
        } else if (roll < 95) {
            event.action = Action::Destroy;
            event.target.window = uniform(0, 1) < 0.85 ? Kind::About : Kind::Main;
        } else if (roll < 97) {
            event.action = Action::Minimize;
            event.target.window = uniform(0, 1) < 0.75 ? Kind::About : Kind::Main;
        } else if (roll < 99) {
            event.action = Action::Restore;
            event.target.window = Kind::About;
        } else {
            event.action = Action::Activate;
            event.target.window = Kind::Main;
        }
        // Most clicks near the middle of the control, some toward its edges.
        event.x = std::clamp(normal(0.5, 0.22), 0.02, 0.98);
        event.y = std::clamp(normal(0.5, 0.22), 0.02, 0.98);
        event.pressMs = uniform(0, 1) < 0.7 ? 0 : static_cast<int>(uniform(0, 4));
        return event;
    }

    // A burst: 1 to maxBurst events within at most 50 ms.
    std::vector<Event> burst(int maxBurst) {
        const int count = 1 + static_cast<int>(uniform(0, maxBurst));
        // Half of them as fast as a tool sends them: what the program has not read yet when a
        // window goes away is still queued for it.
        const double span = uniform(0, 1) < 0.5 ? uniform(0, 5) : uniform(0, 50);
        std::vector<Event> events;
        for (int i = 0; i < count; ++i) {
            Event event = next();
            event.delayMs = i == 0 ? 0 : static_cast<int>(uniform(0, span / count));
            events.push_back(event);
        }
        return events;
    }

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
