// Random input from outside on the real program, as a user, a window manager and other X11
// clients give it: XTEST clicks weighted toward the buttons, keys, double clicks, window-manager
// closes, minimize and restore of About, windows destroyed by another client, in bursts of up to
// 20 events within 50 ms (half of them within 5 ms), each aimed at the windows on the screen at
// that moment. After each burst it checks what a user would see, by the X window list and by the
// accessibility bus (as a screen reader reads the program):
//   - the program is alive and answers;
//   - at most one About window;
//   - when the input stops, the big button is back ("Calculate an Excuse!" or "Need Another
//     Excuse?") with neither the progress bar nor its frame on screen, and the four excuse
//     labels hold their start texts or the four words of one excuse;
//   - no window of the design opens once the main window has unloaded;
//   - the program ends, with status 0, exactly when its last window unloads;
//   - nothing on its standard error: no sanitizer report, no warning.
// On a failure it prints the seed, the start and the event history since that start, so that the
// run can be replayed: the events depend on the seed alone, their timing does not.
//
// usage: random_input_driver PROGRAM [--seed N] [--events N] [--max-burst N] [--max-seconds N]
//                            [--verbose]
// Runs on a display with a window manager (openbox) and an accessibility bus, with
// QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1: tests/random_input/random_input_test.sh sets them up.
#include "about_window/frm_about_design.h"
#include "engine/excuse_engine.h"
#include "main_window/form1_design.h"
#include "platform/forms/design.h"
#include "platform/forms/twips.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <atspi/atspi.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

// The driver's own allocations in GLib and D-Bus are not what is under test.
extern "C" const char* __asan_default_options() { // NOLINT
    return "detect_leaks=0";
}

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr std::string_view mainTitle = "VORN: Random Pretextor";
constexpr std::string_view aboutTitle = "About VORN: Pretextor";
constexpr std::array<std::string_view, 2> bigButtonNames = {"Calculate an Excuse!",
                                                            "Need Another Excuse?"};
constexpr std::array<std::string_view, 4> startTexts = {"Press", "Button", "Press", "Button"};
constexpr std::array<std::string_view, 4> excuseLabels = {"ls1", "ls2", "ls3", "ls4"};
// How long the program may take, under the sanitizers on a loaded machine, to settle.
constexpr auto settleTimeout = std::chrono::seconds(30);

struct Failure {
    std::string what;
};

void sleepMs(int ms) {
    std::this_thread::sleep_for(milliseconds(ms));
}

// ---- Options ---------------------------------------------------------------------------------

struct Options {
    std::string program;
    std::uint64_t seed = 1;
    long events = 1000;
    int maxBurst = 20;
    int maxSeconds = 0;
    bool verbose = false;
};

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                throw Failure{"option " + arg + " needs a value"};
            }
            return argv[++i];
        };
        if (arg == "--seed") {
            options.seed = std::stoull(value());
        } else if (arg == "--events") {
            options.events = std::stol(value());
        } else if (arg == "--max-burst") {
            options.maxBurst = std::max(1, std::stoi(value()));
        } else if (arg == "--max-seconds") {
            options.maxSeconds = std::stoi(value());
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (options.program.empty() && !arg.starts_with("--")) {
            options.program = arg;
        } else {
            throw Failure{"unknown argument " + arg};
        }
    }
    if (options.program.empty()) {
        throw Failure{"usage: random_input_driver PROGRAM [--seed N] [--events N] "
                      "[--max-burst N] [--max-seconds N] [--verbose]"};
    }
    return options;
}

// ---- The X display ---------------------------------------------------------------------------

int ignoreErrors(Display* /*display*/, XErrorEvent* /*error*/) {
    // Windows come and go under the driver's hands: a request on one that is gone is expected.
    return 0;
}

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

enum class Kind { Main, About, Other };

struct TopLevel {
    Window id = 0;
    Kind kind = Kind::Other;
    std::string title;
    bool iconic = false;
    Rect client; // on the screen
};

class Display_ {
public:
    Display_() {
        display_ = XOpenDisplay(nullptr);
        if (display_ == nullptr) {
            throw Failure{"cannot open the display"};
        }
        XSetErrorHandler(ignoreErrors);
        root_ = DefaultRootWindow(display_);
        int event = 0;
        int error = 0;
        int major = 0;
        int minor = 0;
        if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
            throw Failure{"the X server has no XTEST extension"};
        }
        // Withdrawals (ICCCM: a synthetic UnmapNotify sent to the root) and managed windows
        // (reparented away from the root by the window manager) reach the root's listeners.
        XSelectInput(display_, root_, SubstructureNotifyMask);
    }
    Display_(const Display_&) = delete;
    Display_& operator=(const Display_&) = delete;
    ~Display_() { XCloseDisplay(display_); }

    Display* get() const { return display_; }
    Window root() const { return root_; }
    Atom atom(const char* name) const { return XInternAtom(display_, name, False); }

    std::vector<unsigned long> cardinals(Window window, const char* property, Atom type) const {
        Atom actual = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        std::vector<unsigned long> values;
        if (XGetWindowProperty(display_, window, atom(property), 0, 4096, False, type, &actual,
                               &format, &count, &after, &data) == Success &&
            data != nullptr) {
            if (format == 32) {
                const auto* longs = reinterpret_cast<const unsigned long*>(data);
                values.assign(longs, longs + count);
            }
            XFree(data);
        }
        return values;
    }

    std::string title(Window window) const {
        Atom actual = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        std::string text;
        if (XGetWindowProperty(display_, window, atom("_NET_WM_NAME"), 0, 1024, False,
                               atom("UTF8_STRING"), &actual, &format, &count, &after,
                               &data) == Success &&
            data != nullptr) {
            text.assign(reinterpret_cast<const char*>(data), count);
            XFree(data);
        }
        return text;
    }

    // The program's windows that the window manager manages, shown or minimized.
    std::vector<TopLevel> windowsOf(pid_t pid) const {
        std::vector<TopLevel> windows;
        for (const unsigned long id : cardinals(root_, "_NET_CLIENT_LIST", XA_WINDOW)) {
            const auto owner = cardinals(id, "_NET_WM_PID", XA_CARDINAL);
            if (owner.empty() || static_cast<pid_t>(owner.front()) != pid) {
                continue;
            }
            TopLevel window;
            window.id = id;
            window.title = title(id);
            window.kind = window.title == mainTitle    ? Kind::Main
                          : window.title == aboutTitle ? Kind::About
                                                       : Kind::Other;
            const auto state = cardinals(id, "WM_STATE", atom("WM_STATE"));
            window.iconic = !state.empty() && state.front() == IconicState;
            XWindowAttributes attributes{};
            Window child = 0;
            if (XGetWindowAttributes(display_, id, &attributes) != 0 &&
                XTranslateCoordinates(display_, id, root_, 0, 0, &window.client.x, &window.client.y,
                                      &child) != 0) {
                window.client.width = attributes.width;
                window.client.height = attributes.height;
                windows.push_back(window);
            }
        }
        return windows;
    }

    void clientMessage(Window window, const char* type, std::array<long, 5> data) const {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = atom(type);
        event.xclient.format = 32;
        for (std::size_t i = 0; i < data.size(); ++i) {
            event.xclient.data.l[i] = data[i];
        }
        XSendEvent(display_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &event);
        XFlush(display_);
    }

private:
    Display* display_ = nullptr;
    Window root_ = 0;
};

// ---- The program under test -----------------------------------------------------------------

class Program {
public:
    Program(const std::string& path, const std::string& errors) : errors_(errors) {
        pid_ = fork();
        if (pid_ < 0) {
            throw Failure{"fork failed"};
        }
        if (pid_ == 0) {
            std::FILE* out = std::freopen(errors.c_str(), "w", stderr);
            if (out != nullptr) {
                dup2(fileno(stderr), STDOUT_FILENO);
            }
            execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
            std::perror("exec");
            _exit(127);
        }
        started_ = Clock::now();
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program() {
        if (running()) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    pid_t pid() const { return pid_; }
    bool running() {
        if (ended_) {
            return false;
        }
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            ended_ = true;
            status_ = status;
        }
        return !ended_;
    }
    int rawStatus() const { return status_; }
    std::string describeEnd() const {
        if (WIFEXITED(status_)) {
            return "exit status " + std::to_string(WEXITSTATUS(status_));
        }
        if (WIFSIGNALED(status_)) {
            return std::string("killed by signal ") + strsignal(WTERMSIG(status_));
        }
        return "raw status " + std::to_string(status_);
    }
    std::string output() const {
        std::ifstream in(errors_);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    double seconds() const {
        return std::chrono::duration<double>(Clock::now() - started_).count();
    }

private:
    std::string errors_;
    pid_t pid_ = -1;
    bool ended_ = false;
    int status_ = 0;
    Clock::time_point started_;
};

// ---- The accessibility bus: what a screen reader reads --------------------------------------

struct Unref {
    void operator()(void* object) const {
        if (object != nullptr) {
            g_object_unref(object);
        }
    }
};
template <typename T> using Ref = std::unique_ptr<T, Unref>;

// A call's error, taken and freed so that the next call can report its own: its message, or ""
// when the call succeeded.
std::string takeError(GError*& error) {
    if (error == nullptr) {
        return {};
    }
    std::string message =
        error->message != nullptr && *error->message != '\0' ? error->message : "(no message)";
    g_error_free(error);
    error = nullptr;
    return message;
}

std::string takeString(gchar* text) {
    std::string value = text != nullptr ? text : "";
    g_free(text);
    return value;
}

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
        Ref<AtspiAccessible> frame = mainFrame();
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
            text += "\"" + takeString(atspi_accessible_get_name(window.get(), &error)) + "\"";
            if (const std::string why = takeError(error); !why.empty()) {
                text += " (" + why + ")";
            }
            text += "\n";
        }
        Ref<AtspiAccessible> frame =
            title == mainTitle ? mainFrame() : childNamed(app_.get(), title);
        if (!frame) {
            return text + "(no such window on the bus)";
        }
        const int count = atspi_accessible_get_child_count(frame.get(), nullptr);
        for (int i = 0; i < count; ++i) {
            Ref<AtspiAccessible> child(
                atspi_accessible_get_child_at_index(frame.get(), i, nullptr));
            if (!child) {
                continue;
            }
            Ref<AtspiStateSet> states(atspi_accessible_get_state_set(child.get()));
            text +=
                std::to_string(i) + ": " +
                takeString(atspi_accessible_get_role_name(child.get(), nullptr)) + " \"" +
                takeString(atspi_accessible_get_name(child.get(), nullptr)) + "\"" +
                (states && atspi_state_set_contains(states.get(), ATSPI_STATE_VISIBLE) ? " visible"
                                                                                       : "") +
                "\n";
        }
        return text;
    }

private:
    bool findApp() {
        Ref<AtspiAccessible> desktop(atspi_get_desktop(0));
        if (!desktop) {
            return false;
        }
        atspi_accessible_set_cache_mask(desktop.get(), ATSPI_CACHE_NONE);
        const int count = atspi_accessible_get_child_count(desktop.get(), nullptr);
        for (int i = 0; i < count; ++i) {
            Ref<AtspiAccessible> app(
                atspi_accessible_get_child_at_index(desktop.get(), i, nullptr));
            if (!app) {
                continue;
            }
            GError* error = nullptr;
            const guint pid = atspi_accessible_get_process_id(app.get(), &error);
            if (!takeError(error).empty()) {
                continue;
            }
            if (static_cast<pid_t>(pid) == pid_) {
                // Read afresh each time: nothing runs the events that would keep a cache true.
                atspi_accessible_set_cache_mask(app.get(), ATSPI_CACHE_NONE);
                app_ = std::move(app);
                return true;
            }
        }
        return false;
    }

    // The main window: named by its title, or by its icon text, which is empty, when minimized.
    Ref<AtspiAccessible> mainFrame() {
        // Minimized or not, a window keeps its title as its name.
        return childNamed(app_.get(), mainTitle);
    }

    static Ref<AtspiAccessible> childNamed(AtspiAccessible* parent, std::string_view name) {
        GError* error = nullptr;
        const int count = atspi_accessible_get_child_count(parent, &error);
        if (!takeError(error).empty()) {
            return nullptr;
        }
        for (int i = 0; i < count; ++i) {
            Ref<AtspiAccessible> child(atspi_accessible_get_child_at_index(parent, i, nullptr));
            if (child && takeString(atspi_accessible_get_name(child.get(), nullptr)) == name) {
                return child;
            }
        }
        return nullptr;
    }

    pid_t pid_;
    Ref<AtspiAccessible> app_;
};

// ---- The events ------------------------------------------------------------------------------

// Where an event goes: a control of a window's design, anywhere in a window, or its title bar.
struct Target {
    Kind window;
    std::string_view control; // "" for anywhere in the window; "title" for its title bar
    double weight;
};

enum class Action {
    Click,
    Key,
    WindowManagerClose,
    Destroy,
    Minimize,
    Restore,
    Activate,
};

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

const std::vector<Target>& clickTargets() {
    static const std::vector<Target> targets = {
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
        {Kind::About, "title", 0.3},    {Kind::Other, "", 1.2},
    };
    return targets;
}

struct KeyChoice {
    std::string_view name;
    double weight;
};

constexpr std::array<KeyChoice, 12> keyChoices = {{
    {"Tab", 2.0},
    {"Shift+Tab", 1.0},
    {"space", 2.0},
    {"Return", 2.0},
    {"Escape", 2.0},
    {"Up", 0.6},
    {"Down", 0.6},
    {"Left", 0.4},
    {"Right", 0.4},
    {"Alt+S", 0.7},
    {"Alt+F4", 0.15},
    {"KP_Enter", 0.3},
}};

std::string_view kindName(Kind kind) {
    switch (kind) {
    case Kind::Main:
        return "main window";
    case Kind::About:
        return "About window";
    case Kind::Other:
        return "message box";
    }
    return "?";
}

std::string describeEvent(const Event& event) {
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

class Generator {
public:
    explicit Generator(std::uint64_t seed) : random_(seed) {}

    Event next() {
        Event event;
        const double roll = uniform(0, 100);
        if (roll < 70) {
            event.action = Action::Click;
            event.target = pickTarget();
            event.doubleClick = uniform(0, 1) < 0.12;
        } else if (roll < 92) {
            event.action = Action::Key;
            event.key = std::string(pickKey());
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
    Target pickTarget() {
        double total = 0;
        for (const Target& target : clickTargets()) {
            total += target.weight;
        }
        double pick = uniform(0, total);
        for (const Target& target : clickTargets()) {
            if (pick < target.weight) {
                return target;
            }
            pick -= target.weight;
        }
        return clickTargets().back();
    }
    std::string_view pickKey() {
        double total = 0;
        for (const KeyChoice& key : keyChoices) {
            total += key.weight;
        }
        double pick = uniform(0, total);
        for (const KeyChoice& key : keyChoices) {
            if (pick < key.weight) {
                return key.name;
            }
            pick -= key.weight;
        }
        return keyChoices.back().name;
    }

    std::mt19937_64 random_;
};

// ---- Running it ------------------------------------------------------------------------------

int pixels(int twips) {
    return platform::twipsToPixels(twips, 96.0);
}

// A control's rectangle in the window, in pixels at 96 dpi, from the design.
std::optional<Rect> controlRect(Kind kind, std::string_view name) {
    const platform::WindowDesign& design =
        kind == Kind::Main ? pretextor::form1Design() : pretextor::frmAboutDesign();
    for (const auto& control : design.controls) {
        if (control.name == name) {
            return Rect{pixels(control.rect.left), pixels(control.rect.top),
                        pixels(control.rect.width), pixels(control.rect.height)};
        }
    }
    return std::nullopt;
}

class Run {
public:
    Run(Options options, std::string scratch)
        : options_(std::move(options)), scratch_(std::move(scratch)), events_(options_.seed) {}

    int go() {
        const auto began = Clock::now();
        while (sent_ < options_.events) {
            if (options_.maxSeconds > 0 &&
                Clock::now() - began > std::chrono::seconds(options_.maxSeconds)) {
                std::printf("random input: time limit of %d s reached\n", options_.maxSeconds);
                break;
            }
            start();
            while (sent_ < options_.events && program_->running()) {
                const auto burst = events_.burst(options_.maxBurst);
                ++bursts_;
                send(burst);
                if (!program_->running()) {
                    break;
                }
                if (events_.inputStops()) {
                    settle();
                } else {
                    checkAtOnce();
                    sleepMs(events_.pauseMs());
                }
            }
            // The last burst of a run: bring the program to its end as a user would.
            if (program_->running()) {
                settle();
                finishByHand();
            }
            ended();
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - began).count();
        std::printf("random input: seed %llu, %ld events in %ld bursts over %d starts, "
                    "%ld checks after input stopped, %.0f s: no crash, no sanitizer report, "
                    "every invariant held\n",
                    static_cast<unsigned long long>(options_.seed), sent_, bursts_, starts_,
                    settles_, seconds);
        std::printf("random input: %ld About windows opened; done to the windows: %ld closes by "
                    "the window manager, %ld destroyed by another client, %ld minimized, %ld "
                    "restored\n",
                    shown_[Kind::About], done_[Action::WindowManagerClose], done_[Action::Destroy],
                    done_[Action::Minimize], done_[Action::Restore]);
        return 0;
    }

    [[noreturn]] void fail(const std::string& what) {
        std::fprintf(stderr, "\nrandom input FAILED: %s\n", what.c_str());
        std::fprintf(stderr, "seed %llu, start %d, event %ld of the run (%ld of this start)\n",
                     static_cast<unsigned long long>(options_.seed), starts_, sent_,
                     static_cast<long>(history_.size()));
        std::fprintf(stderr, "--- events since this start (ms since it, burst):\n");
        for (const std::string& line : history_) {
            std::fprintf(stderr, "  %s\n", line.c_str());
        }
        if (program_) {
            const bool running = program_->running();
            std::fprintf(stderr, "--- the program: %s\n",
                         running ? "still running" : program_->describeEnd().c_str());
            std::fprintf(stderr, "--- its output:\n%s\n", program_->output().c_str());
            if (running && reader_) {
                std::fprintf(stderr, "--- the main window on the accessibility bus:\n%s",
                             reader_->dump(mainTitle).c_str());
            }
        }
        std::fprintf(stderr,
                     "replay: random_input_driver %s --seed %llu --events %ld --max-burst %d\n",
                     options_.program.c_str(), static_cast<unsigned long long>(options_.seed),
                     options_.events, options_.maxBurst);
        std::fflush(stderr);
        program_.reset();
        std::exit(1);
    }

private:
    void start() {
        ++starts_;
        history_.clear();
        mainWithdrawn_ = false;
        tracked_.clear();
        destroyedByUs_.clear();
        createdAfterUnload_.clear();
        program_ = std::make_unique<Program>(options_.program,
                                             scratch_ + "/start" + std::to_string(starts_ % 2));
        reader_ = std::make_unique<Reader>(program_->pid());
        const auto until = Clock::now() + settleTimeout;
        while (Clock::now() < until) {
            pump();
            if (!program_->running()) {
                fail("the program ended before its window came: " + program_->describeEnd());
            }
            const auto windows = display_.windowsOf(program_->pid());
            if (std::ranges::any_of(windows,
                                    [](const TopLevel& w) { return w.kind == Kind::Main; })) {
                break;
            }
            sleepMs(20);
        }
        if (!reader_->join([this] { return program_->running(); })) {
            fail("the program did not come onto the accessibility bus");
        }
        settle();
    }

    void note(const std::string& text) {
        const auto ms = static_cast<long>(program_->seconds() * 1000);
        history_.push_back("+" + std::to_string(ms) + " ms [" + std::to_string(bursts_) + "] " +
                           text);
        if (options_.verbose) {
            std::printf("%s\n", history_.back().c_str());
        }
    }

    void noteWindow(Window id, Kind kind, const char* what) {
        std::array<char, 32> hex{};
        std::snprintf(hex.data(), hex.size(), "0x%lx", id);
        note("  (" + std::string(kindName(kind)) + " " + hex.data() + " " + what + ")");
    }

    // Reads the X events the driver listens to: withdrawals, windows managed, destroyed.
    void pump() {
        Display* display = display_.get();
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            switch (event.type) {
            case UnmapNotify:
                // ICCCM: a client withdraws its window with a synthetic UnmapNotify to the root.
                if (event.xunmap.send_event && event.xunmap.event == display_.root()) {
                    const auto it = tracked_.find(event.xunmap.window);
                    if (it != tracked_.end()) {
                        it->second.withdrawn = true;
                        noteWindow(it->first, it->second.kind, "withdrawn by the program");
                        if (it->second.kind == Kind::Main) {
                            mainWithdrawn_ = true;
                        }
                    }
                }
                break;
            case CreateNotify:
                // In the program's own order: a window it creates after its main window has
                // withdrawn comes from input that reached the unloaded window.
                // Whose window it is shows once the window manager takes it (onManaged).
                if (event.xcreatewindow.parent == display_.root() && mainWithdrawn_) {
                    createdAfterUnload_.insert(event.xcreatewindow.window);
                }
                break;
            case ReparentNotify:
                // The window manager takes a newly mapped window into a frame of its own.
                if (event.xreparent.event == display_.root() &&
                    event.xreparent.parent != display_.root() && program_) {
                    onManaged(event.xreparent.window);
                }
                break;
            case DestroyNotify: {
                const auto it = tracked_.find(event.xdestroywindow.window);
                if (it != tracked_.end() && !it->second.destroyed) {
                    it->second.destroyed = true;
                    noteWindow(it->first, it->second.kind, "destroyed");
                    if (!it->second.withdrawn && !destroyedByUs_.contains(it->first)) {
                        it->second.destroyedShown = true;
                    }
                }
                break;
            }
            default:
                break;
            }
        }
    }

    void onManaged(Window id) {
        const auto owner = display_.cardinals(id, "_NET_WM_PID", XA_CARDINAL);
        if (owner.empty() || static_cast<pid_t>(owner.front()) != program_->pid()) {
            return;
        }
        const std::string title = display_.title(id);
        const Kind kind = title == mainTitle    ? Kind::Main
                          : title == aboutTitle ? Kind::About
                                                : Kind::Other;
        if (kind == Kind::Other) {
            return;
        }
        if (createdAfterUnload_.contains(id)) {
            fail("the program made a new " + std::string(kindName(kind)) +
                 " after its main window had unloaded: input reached an unloaded window");
        }
        tracked_[id] = Tracked{kind};
        ++shown_[kind];
        noteWindow(id, kind, "shown");
        XSelectInput(display_.get(), id, StructureNotifyMask);
    }

    std::optional<TopLevel> windowOf(Kind kind) {
        for (const TopLevel& window : display_.windowsOf(program_->pid())) {
            if (window.kind == kind) {
                return window;
            }
        }
        return std::nullopt;
    }

    // What the window manager, or another client, does to a window of the program.
    void fromOutside(Action action, Window id) {
        Display* display = display_.get();
        switch (action) {
        case Action::WindowManagerClose:
            // What the close box does: the window manager asks the window to close.
            display_.clientMessage(id, "_NET_CLOSE_WINDOW", {CurrentTime, 2, 0, 0, 0});
            break;
        case Action::Destroy:
            destroyedByUs_.insert(id);
            XDestroyWindow(display, id);
            break;
        case Action::Minimize:
            XIconifyWindow(display, id, DefaultScreen(display));
            break;
        case Action::Restore:
        case Action::Activate:
            // As a pager or task bar asks: source 2.
            display_.clientMessage(id, "_NET_ACTIVE_WINDOW", {2, CurrentTime, 0, 0, 0});
            break;
        case Action::Click:
        case Action::Key:
            break;
        }
    }

    void send(const std::vector<Event>& burst) {
        Display* display = display_.get();
        std::map<Kind, std::optional<TopLevel>> windows;
        const auto refresh = [&] {
            windows.clear();
            for (const Kind kind : {Kind::Main, Kind::About, Kind::Other}) {
                windows[kind] = windowOf(kind);
            }
        };
        for (const Event& event : burst) {
            if (event.delayMs > 0) {
                XFlush(display);
                sleepMs(event.delayMs);
            }
            // Windows open and close within a burst: a user aims at what is on the screen now.
            refresh();
            ++sent_;
            std::string text = describeEvent(event);
            const auto& window = windows[event.target.window];
            switch (event.action) {
            case Action::Click: {
                if (!window) {
                    note(text + ": no such window");
                    break;
                }
                Rect area{0, 0, window->client.width, window->client.height};
                if (event.target.control == "title") {
                    area = {0, -18, window->client.width, 14};
                } else if (!event.target.control.empty()) {
                    area = controlRect(event.target.window, event.target.control).value_or(area);
                }
                const int x = window->client.x + area.x +
                              static_cast<int>(event.x * std::max(1, area.width - 1));
                const int y = window->client.y + area.y +
                              static_cast<int>(event.y * std::max(1, area.height - 1));
                note(text + " at " + std::to_string(x) + "," + std::to_string(y));
                XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
                for (int click = 0; click < (event.doubleClick ? 2 : 1); ++click) {
                    XTestFakeButtonEvent(display, 1, True, CurrentTime);
                    if (event.pressMs > 0) {
                        XFlush(display);
                        sleepMs(event.pressMs);
                    }
                    XTestFakeButtonEvent(display, 1, False, CurrentTime);
                }
                break;
            }
            case Action::Key:
                note(text);
                key(event.key);
                break;
            case Action::WindowManagerClose:
            case Action::Destroy:
            case Action::Minimize:
            case Action::Restore:
            case Action::Activate:
                if (!window) {
                    note(text + ": no such window");
                    break;
                }
                ++done_[event.action];
                note(text);
                fromOutside(event.action, window->id);
                break;
            }
            XFlush(display);
            pump();
            if (!program_->running()) {
                note("(the program ended)");
                return;
            }
        }
        XSync(display, False);
    }

    void key(const std::string& name) {
        Display* display = display_.get();
        std::vector<KeySym> modifiers;
        std::string base = name;
        if (name.starts_with("Shift+")) {
            modifiers.push_back(XK_Shift_L);
            base = name.substr(6);
        } else if (name.starts_with("Alt+")) {
            modifiers.push_back(XK_Alt_L);
            base = name.substr(4);
        }
        const KeySym symbol = base == "S" ? XK_s : XStringToKeysym(base.c_str());
        const KeyCode code = XKeysymToKeycode(display, symbol);
        if (code == 0) {
            throw Failure{"no key for " + base};
        }
        for (const KeySym modifier : modifiers) {
            XTestFakeKeyEvent(display, XKeysymToKeycode(display, modifier), True, CurrentTime);
        }
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
        for (const KeySym modifier : modifiers) {
            XTestFakeKeyEvent(display, XKeysymToKeycode(display, modifier), False, CurrentTime);
        }
    }

    // What must hold at any moment, input or not.
    void checkAtOnce() {
        pump();
        if (!program_->running()) {
            return;
        }
        const auto windows = display_.windowsOf(program_->pid());
        const auto abouts = std::ranges::count(windows, Kind::About, &TopLevel::kind);
        if (abouts > 1) {
            fail(std::to_string(abouts) + " About windows");
        }
        checkOutput();
    }

    void checkOutput() {
        if (!program_->output().empty()) {
            // A sanitizer report is still being written: let the program finish it.
            const auto until = Clock::now() + std::chrono::seconds(10);
            while (program_->running() && Clock::now() < until) {
                sleepMs(50);
            }
            fail("the program wrote on its standard error");
        }
    }

    static std::string describe(const MainState& state) {
        std::string text = "big button \"" + state.bigButton + "\"" +
                           (state.bigButtonShown ? " shown" : " hidden") +
                           (state.barShown ? ", bar shown" : "") +
                           (state.frameShown ? ", frame shown" : "") + ", labels";
        for (const auto& word : state.words) {
            text += " \"" + word + "\"";
        }
        return text;
    }

    static bool wordsHold(const std::array<std::string, 4>& words) {
        bool start = true;
        bool excuse = true;
        const auto& lists = engine::wordLists();
        for (std::size_t i = 0; i < words.size(); ++i) {
            start = start && words[i] == startTexts[i];
            excuse = excuse && std::ranges::find(lists[i].words, words[i]) != lists[i].words.end();
        }
        return start || excuse;
    }

    // Input has stopped: waits until the program settles, then checks what it shows.
    void settle() {
        ++settles_;
        const auto until = Clock::now() + settleTimeout;
        std::string last;
        while (true) {
            checkAtOnce();
            if (!program_->running()) {
                return;
            }
            const auto windows = display_.windowsOf(program_->pid());
            const bool mainShown = std::ranges::count(windows, Kind::Main, &TopLevel::kind) > 0;
            const bool anyShown =
                mainShown || std::ranges::count(windows, Kind::About, &TopLevel::kind) > 0;
            if (!anyShown) {
                // No window left: the program must end, by itself, soon.
                last = "no window is left, yet the program runs on";
            } else if (!reader_->answers()) {
                last = "the program does not answer on the accessibility bus";
            } else if (!mainShown) {
                return;
            } else if (const auto state = reader_->readMain()) {
                last = describe(*state);
                const bool idle =
                    state->bigButtonShown && !state->barShown && !state->frameShown &&
                    std::ranges::find(bigButtonNames, state->bigButton) != bigButtonNames.end();
                if (idle) {
                    if (!wordsHold(state->words)) {
                        fail("the excuse labels hold neither their start texts nor one excuse: " +
                             last);
                    }
                    note("(settled: " + last + ")");
                    return;
                }
            } else {
                last = "the main window is not readable on the accessibility bus";
            }
            if (Clock::now() > until) {
                fail("not settled " + std::to_string(settleTimeout.count()) +
                     " s after the input stopped: " + last);
            }
            sleepMs(25);
        }
    }

    // Closes the windows that are left, the About window first, by the close box, and waits for
    // the program to end.
    // A message box open is modal: it goes first.
    void finishByHand() {
        for (int round = 0; round < 5 && program_->running(); ++round) {
            for (const Kind kind : {Kind::Other, Kind::About, Kind::Main}) {
                if (!program_->running()) {
                    return;
                }
                if (const auto window = windowOf(kind)) {
                    note("window manager closes the " + std::string(kindName(kind)) +
                         " (end of run)");
                    display_.clientMessage(window->id, "_NET_CLOSE_WINDOW",
                                           {CurrentTime, 2, 0, 0, 0});
                    settle();
                }
            }
        }
    }

    // The program has ended or must end now: how it ended must match what it showed.
    void ended() {
        const auto until = Clock::now() + settleTimeout;
        while (program_->running()) {
            if (Clock::now() > until) {
                std::string shown;
                for (const TopLevel& window : display_.windowsOf(program_->pid())) {
                    shown += " \"" + window.title + "\"" + (window.iconic ? " (minimized)" : "");
                }
                fail("the program did not end once its last window was closed; its windows:" +
                     (shown.empty() ? std::string(" none") : shown));
            }
            pump();
            sleepMs(10);
        }
        // The X server ends the program's windows after the program: wait for their notices.
        const auto windowsGone = Clock::now() + std::chrono::seconds(5);
        while (Clock::now() < windowsGone && std::ranges::any_of(tracked_, [](const auto& entry) {
                   return !entry.second.destroyed;
               })) {
            XSync(display_.get(), False);
            pump();
            sleepMs(10);
        }
        const std::string output = program_->output();
        if (!WIFEXITED(program_->rawStatus()) || WEXITSTATUS(program_->rawStatus()) != 0) {
            fail("the program ended with " + program_->describeEnd());
        }
        if (!output.empty()) {
            fail("the program wrote on its standard error");
        }
        for (const auto& [id, window] : tracked_) {
            if (window.destroyedShown) {
                std::array<char, 32> hex{};
                std::snprintf(hex.data(), hex.size(), "0x%lx", id);
                fail("the program ended with its " + std::string(kindName(window.kind)) + " " +
                     hex.data() + " still loaded");
            }
        }
        note("(the program ended with status 0)");
    }

    struct Tracked {
        Kind kind = Kind::Other;
        bool withdrawn = false;
        bool destroyed = false;
        bool destroyedShown = false;
    };

    Options options_;
    std::string scratch_;
    Generator events_;
    Display_ display_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<Reader> reader_;
    std::vector<std::string> history_;
    std::map<Window, Tracked> tracked_;
    std::set<Window> destroyedByUs_;
    std::set<Window> createdAfterUnload_;
    std::map<Kind, long> shown_;
    std::map<Action, long> done_;
    bool mainWithdrawn_ = false;
    long sent_ = 0;
    long bursts_ = 0;
    long settles_ = 0;
    int starts_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse(argc, argv);
        if (atspi_init() < 0) {
            throw Failure{"cannot reach the accessibility bus"};
        }
        // Under the sanitizers the program answers slowly.
        atspi_set_timeout(10000, 15000);
        char scratchTemplate[] = "/tmp/random-input-XXXXXX";
        const char* scratch = mkdtemp(scratchTemplate);
        if (scratch == nullptr) {
            throw Failure{"cannot make a scratch folder"};
        }
        std::printf("random input: seed %llu, %ld events, bursts of up to %d\n",
                    static_cast<unsigned long long>(options.seed), options.events,
                    options.maxBurst);
        std::fflush(stdout);
        Run run(options, scratch);
        try {
            const int status = run.go();
            std::filesystem::remove_all(scratch);
            return status;
        } catch (const Failure& failure) {
            // Told while the run, its history and its program, still exist.
            run.fail(failure.what);
        }
    } catch (const Failure& failure) {
        std::fprintf(stderr, "random_input_driver: %s\n", failure.what.c_str());
        return 2;
    }
}
