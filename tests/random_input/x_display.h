#pragma once

// The X display as the driver sees it: the program's top-level windows and what the window
// manager can be asked to do to them.
#include "basics.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <sys/types.h>

#include <algorithm>
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
    Display_() : display_(XOpenDisplay(nullptr)) {
        if (display_ == nullptr) {
            throw Failure{"cannot open the display"};
        }
        // Windows come and go under the driver's hands: a request on one that is gone is
        // expected.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
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

    std::vector<unsigned long> cardinals(Window window, const char* name, Atom type) const {
        return property<unsigned long>(window, atom(name), type, 4096, 32);
    }

    std::string title(Window window) const {
        const auto text =
            property<char>(window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 1024, 8);
        return {text.begin(), text.end()};
    }

    // The program's windows that the window manager manages, shown or minimized.
    std::vector<TopLevel> windowsOf(pid_t pid) const {
        std::vector<TopLevel> windows;
        for (const unsigned long id : cardinals(root_, "_NET_CLIENT_LIST", XA_WINDOW)) {
            const auto owner = cardinals(id, "_NET_WM_PID", XA_CARDINAL);
            if (owner.empty() || static_cast<pid_t>(owner.front()) != pid) {
                continue;
            }
            TopLevel window{.id = id, .title = title(id)};
            window.kind = kindOf(window.title);
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
        std::ranges::copy(data, event.xclient.data.l);
        XSendEvent(display_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &event);
        XFlush(display_);
    }

private:
    // A window's property when it has the format asked for: its items (longs for format 32).
    template <typename Item>
    std::vector<Item> property(Window window, Atom name, Atom type, long length, int format) const {
        Atom actual = 0;
        int actualFormat = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        std::vector<Item> items;
        if (XGetWindowProperty(display_, window, name, 0, length, False, type, &actual,
                               &actualFormat, &count, &after, &data) == Success &&
            data != nullptr) {
            if (actualFormat == format) {
                const auto* first = reinterpret_cast<const Item*>(data);
                items.assign(first, first + count);
            }
            XFree(data);
        }
        return items;
    }

    Display* display_ = nullptr;
    Window root_ = 0;
};

} // namespace random_input
