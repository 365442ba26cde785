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
// The designs first: X11's macros would rename what they declare.
#include "about_window/frm_about_design.h"
#include "engine/excuse_engine.h"
#include "main_window/form1_design.h"
#include "platform/forms/twips.h"

#include "events.h"
#include "options.h"
#include "program.h"
#include "reader.h"
#include "x_display.h"

#include <X11/Xatom.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

// The driver's own allocations in GLib and D-Bus are not what is under test.
extern "C" const char* __asan_default_options() { // NOLINT
    return "detect_leaks=0";
}

namespace random_input {
namespace {

constexpr std::array<std::string_view, 2> bigButtonNames = {"Calculate an Excuse!",
                                                            "Need Another Excuse?"};
constexpr std::array<std::string_view, 4> startTexts = {"Press", "Button", "Press", "Button"};

std::string hex(Window id) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "0x%lx", id);
    return text.data();
}

int pixels(int twips) {
    return platform::twipsToPixels(twips, 96.0);
}

// A control's rectangle in the window, in pixels at 96 dpi, from the design.
Rect controlRect(Kind kind, std::string_view name) {
    const auto& rect =
        platform::findControl(
            kind == Kind::Main ? pretextor::form1Design() : pretextor::frmAboutDesign(), name)
            .rect;
    return Rect{pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height)};
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
        history_.push_back('+' + std::to_string(ms) + " ms [" + std::to_string(bursts_) + "] " +
                           text);
        if (options_.verbose) {
            std::printf("%s\n", history_.back().c_str());
        }
    }

    void noteWindow(Window id, Kind kind, const char* what) {
        note("  (" + std::string(kindName(kind)) + " " + hex(id) + " " + what + ")");
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
        const Kind kind = kindOf(display_.title(id));
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
        const auto windows = display_.windowsOf(program_->pid());
        const auto it = std::ranges::find(windows, kind, &TopLevel::kind);
        return it != windows.end() ? std::optional(*it) : std::nullopt;
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
                    area = controlRect(event.target.window, event.target.control);
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
                const bool idle =
                    state->bigButtonShown && !state->barShown && !state->frameShown &&
                    std::ranges::find(bigButtonNames, state->bigButton) != bigButtonNames.end();
                // One read is several calls on the bus, and input already queued may land
                // between them: judge only a state read the same twice running.
                const bool stable = describe(*state) == last;
                last = describe(*state);
                if (idle && stable) {
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
                fail("the program ended with its " + std::string(kindName(window.kind)) + " " +
                     hex(id) + " still loaded");
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
} // namespace random_input

int main(int argc, char** argv) {
    using namespace random_input;
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
