// How long Pretextor13.exe takes under Wine from `wine Pretextor13.exe` to its main window mapped
// on the X display, beside a bare Win32 window of the same controls, started in turn.
// usage: pretextor_wine_bench PRETEXTOR_EXE REFERENCE_EXE [--runs N]
// Run on an X display (tests/with-xvfb.sh will do) with WINEPREFIX set to a prefix of its own.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A viewable window with this title anywhere under the root: Wine maps its top-level windows as
// children of the root, or of its desktop window when it draws one.
bool mapped(Display* display, Window window, const char* title, int depth) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0 ||
        attributes.map_state != IsViewable) {
        return false;
    }
    char* name = nullptr;
    if (XFetchName(display, window, &name) != 0 && name != nullptr) {
        const bool same = std::strcmp(name, title) == 0;
        XFree(name);
        if (same) {
            return true;
        }
    }
    if (depth == 0) {
        return false;
    }
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) {
        return false;
    }
    bool found = false;
    for (unsigned i = 0; i < count && !found; ++i) {
        found = mapped(display, children[i], title, depth - 1);
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

// Milliseconds from the start of `wine EXE` to the window mapped, polling every 5 ms.
std::optional<double> startup(Display* display, const std::string& exe, const char* title) {
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execlp("wine", "wine", exe.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    std::optional<double> result;
    const XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    while (Clock::now() - start < 30s) {
        if (mapped(display, DefaultRootWindow(display), title, 3)) {
            result = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(5ms);
    }
    XSetErrorHandler(previous);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    // Let the Wine server tidy the killed process away before the next start.
    std::this_thread::sleep_for(500ms);
    return result;
}

double median(std::vector<double> values) {
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A server that is gone already is as good as stopped.
void stopWineServer() {
    [[maybe_unused]] const int status = std::system("wineserver -k");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: pretextor_wine_bench PRETEXTOR_EXE REFERENCE_EXE [--runs N]\n");
        return 2;
    }
    int runs = 10;
    for (int i = 3; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    setenv("WINEDEBUG", "-all", 0);
    setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 0);
    // A Wine server that stays up between the starts, as it does on a desktop in use; one start
    // of each first, so that both find the prefix and the fonts warm.
    if (std::system("wineserver -p") != 0) {
        std::fprintf(stderr, "wineserver -p failed\n");
        return 1;
    }
    const std::string program = argv[1];
    const std::string reference = argv[2];
    startup(display, program, "VORN: Random Pretextor");
    startup(display, reference, "Reference");

    std::vector<double> programMs;
    std::vector<double> referenceMs;
    std::vector<double> ratios;
    for (int run = 0; run < runs; ++run) {
        // Each goes first in every other pair, so neither gains from the other's traces.
        std::optional<double> a;
        std::optional<double> b;
        if (run % 2 == 0) {
            a = startup(display, program, "VORN: Random Pretextor");
            b = startup(display, reference, "Reference");
        } else {
            b = startup(display, reference, "Reference");
            a = startup(display, program, "VORN: Random Pretextor");
        }
        if (!a || !b) {
            std::fprintf(stderr, "a window did not appear within 30 s\n");
            stopWineServer();
            return 1;
        }
        programMs.push_back(*a);
        referenceMs.push_back(*b);
        ratios.push_back(*a / *b);
    }
    stopWineServer();
    XCloseDisplay(display);
    const double p = median(programMs);
    const double r = median(referenceMs);
    std::printf("%-36s %12s %12s %8s\n", "", "Pretextor13", "reference", "ratio");
    std::printf("%-36s %12.0f %12.0f %8.2f\n", "wine start to window mapped, ms", p, r, p / r);
    // On a busy machine the load drifts between pairs more than within one: the two starts of a
    // pair are taken a second apart, so their own ratio is the steadier figure.
    std::printf("%-36s %12s %12s %8.2f\n", "median of the pairs' ratios", "", "", median(ratios));
    return 0;
}
