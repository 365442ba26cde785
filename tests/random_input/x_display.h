#pragma once

// The X display as the driver sees it: the program's top-level windows and what the window
// manager can be asked to do to them.
#include "basics.h"

#include <X11/Xlib.h>
#include <sys/types.h>

#include <array>
#include <string>
#include <vector>

namespace random_input {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct TopLevel {
    Window id = 0;
    Kind kind = Kind::Other;
    std::string title;
    bool iconic = false;
    Rect client; // on the screen
};

class Display_ {
public:
    Display_();
    Display_(const Display_&) = delete;
    Display_& operator=(const Display_&) = delete;
    ~Display_() { XCloseDisplay(display_); }

    Display* get() const { return display_; }
    Window root() const { return root_; }
    Atom atom(const char* name) const { return XInternAtom(display_, name, False); }

    std::vector<unsigned long> cardinals(Window window, const char* property, Atom type) const;
    std::string title(Window window) const;
    // The program's windows that the window manager manages, shown or minimized.
    std::vector<TopLevel> windowsOf(pid_t pid) const;
    void clientMessage(Window window, const char* type, std::array<long, 5> data) const;

private:
    Display* display_ = nullptr;
    Window root_ = 0;
};

} // namespace random_input
