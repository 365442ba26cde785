#include "x_display.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace random_input {
namespace {

int ignoreErrors(Display* /*display*/, XErrorEvent* /*error*/) {
    // Windows come and go under the driver's hands: a request on one that is gone is expected.
    return 0;
}

// A window's property when it has the format asked for: its items (longs for format 32).
template <typename Item>
std::vector<Item> property(Display* display, Window window, Atom name, Atom type, long length,
                           int format) {
    Atom actual = 0;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<Item> items;
    if (XGetWindowProperty(display, window, name, 0, length, False, type, &actual, &actualFormat,
                           &count, &after, &data) == Success &&
        data != nullptr) {
        if (actualFormat == format) {
            const auto* first = reinterpret_cast<const Item*>(data);
            items.assign(first, first + count);
        }
        XFree(data);
    }
    return items;
}

} // namespace

Display_::Display_() {
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

std::vector<unsigned long> Display_::cardinals(Window window, const char* name, Atom type) const {
    return property<unsigned long>(display_, window, atom(name), type, 4096, 32);
}

std::string Display_::title(Window window) const {
    const auto text =
        property<char>(display_, window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 1024, 8);
    return {text.begin(), text.end()};
}

std::vector<TopLevel> Display_::windowsOf(pid_t pid) const {
    std::vector<TopLevel> windows;
    for (const unsigned long id : cardinals(root_, "_NET_CLIENT_LIST", XA_WINDOW)) {
        const auto owner = cardinals(id, "_NET_WM_PID", XA_CARDINAL);
        if (owner.empty() || static_cast<pid_t>(owner.front()) != pid) {
            continue;
        }
        TopLevel window;
        window.id = id;
        window.title = title(id);
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

void Display_::clientMessage(Window window, const char* type, std::array<long, 5> data) const {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = atom(type);
    event.xclient.format = 32;
    for (std::size_t i = 0; i < data.size(); ++i) {
        event.xclient.data.l[i] = data[i];
    }
    XSendEvent(display_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display_);
}

} // namespace random_input
