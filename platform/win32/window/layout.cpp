// Where the window and its children go, and in which fonts, at the window's dpi.
#include "form.h"

#include "fonts.h"
#include "pixels.h"
#include "platform/forms/text_fit.h"
#include "platform/forms/twips.h"
#include "platform/win32/system/dpi.h"
#include "program_icons.h"

#include <algorithm>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace platform::win32 {

namespace {

// Whether a child window already takes this area of its parent's client area.
bool isAt(HWND child, const RECT& area) {
    RECT place{};
    ::GetWindowRect(child, &place);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    return ::EqualRect(&place, &area) != FALSE;
}

// Where the control draws its text: a button's bevel and focus frame, a check box's tick box and
// the gap after it, and the margin before a list's items take their share of the room.
TextRoom roomOf(const WindowDesign& design, const ControlDesign& control, HWND window,
                unsigned dpi) {
    TextRoom room = roomFor(design, control, dpi);
    switch (control.kind) {
    case ControlKind::CommandButton:
        room.area.right -= designPixelsToPixels(2 * 4, dpi);
        break;
    case ControlKind::CheckBox:
        room.area.right -= designPixelsToPixels(13 + 4, dpi);
        break;
    case ControlKind::ListBox: {
        RECT client{};
        ::GetClientRect(window, &client);
        room.area.right = room.area.left + client.right - 2;
        break;
    }
    default:
        break;
    }
    return room;
}

} // namespace

void Win32Window::setFonts(unsigned dpi) {
    std::vector<const ControlDesign*> designs;
    for (const Child& child : children_) {
        designs.push_back(child.design);
    }
    std::vector<Font> fonts;
    for (const auto& [design, users] : fontUsers(design_, designs)) {
        std::vector<FitCase> cases;
        for (const std::size_t user : users) {
            const Child& child = children_[user];
            if (const auto texts = textsToFit(*child.design); !texts.empty()) {
                cases.push_back({roomOf(design_, *child.design, child.window, dpi), texts});
            }
        }
        DesignFont made = createFont(design, dpi);
        // Narrower only where the face the system gave runs wider than its controls.
        const int stretch = fittingStretch(100, cases, [&made](int percent) {
            return percent == 100 ? std::make_unique<FontMeasure>(made.font.get())
                                  : std::make_unique<FontMeasure>(narrowed(made, percent));
        });
        Font font = stretch == 100 ? std::move(made.font) : narrowed(made, stretch);
        for (const std::size_t user : users) {
            ::SendMessageW(children_[user].window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()),
                           FALSE);
        }
        fonts.push_back(std::move(font));
    }
    // The old fonts go only once no control draws with them.
    fonts_ = std::move(fonts);
}

void Win32Window::layout(unsigned dpi, const RECT* suggested) {
    dpi_ = dpi;
    for (const Child& child : children_) {
        const RECT area = toPixels(child.design->rect, dpi);
        if (!isAt(child.window, area)) {
            ::SetWindowPos(child.window, nullptr, area.left, area.top, area.right - area.left,
                           area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (child.design->kind == ControlKind::PictureBox) {
            // Shown at its natural 32 pixels a side at 96 dpi.
            get<Win32PictureBox>(child.design->name)
                .setPicture(
                    loadIcon(toolkit_.instance_, child.design->picture, twipsToPixels(480, dpi)));
        }
    }
    setFonts(dpi);

    RECT frame = frameAt(dpi);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (suggested != nullptr) {
        // The system's rectangle keeps the window under the cursor of a drag to another monitor.
        frame = *suggested;
    } else if (!design_.position) {
        flags |= SWP_NOMOVE;
    }
    // The class icons are drawn for the system's DPI, which a monitor whose scale changed since
    // sign-in no longer has.
    if (suggested != nullptr || dpi != dotsPerInch(nullptr)) {
        reloadIcons(dpi);
    }
    ::SetWindowPos(handle(), nullptr, frame.left, frame.top, frame.right - frame.left,
                   frame.bottom - frame.top, flags);
    ::InvalidateRect(handle(), nullptr, TRUE);
}

RECT Win32Window::frameAt(unsigned dpi) const {
    RECT client{0, 0, twipsToPixels(design_.clientWidth, dpi),
                twipsToPixels(design_.clientHeight, dpi)};
    if (design_.position) {
        const POINT origin = toPixels(*design_.position, dpi);
        ::OffsetRect(&client, origin.x, origin.y);
    }
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(handle(), GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(handle(), GWL_EXSTYLE));
    return windowRectFor(client, style, exStyle, dpi);
}

void Win32Window::reloadIcons(unsigned dpi) {
    // Each icon is replaced before the one it replaces is let go.
    for (auto [which, metric, icon] : {std::tuple{WPARAM{ICON_BIG}, SM_CXICON, &bigIcon_},
                                       std::tuple{WPARAM{ICON_SMALL}, SM_CXSMICON, &smallIcon_}}) {
        Icon sharp = loadIcon(toolkit_.instance_, design_.icon, systemMetric(metric, dpi));
        if (sharp) {
            ::SendMessageW(handle(), WM_SETICON, which, reinterpret_cast<LPARAM>(sharp.get()));
            *icon = std::move(sharp);
        }
    }
}

} // namespace platform::win32
