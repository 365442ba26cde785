// Where the window and its children go, and in which fonts, at the window's dpi.
#include "form.h"

#include "fonts.h"
#include "pixels.h"
#include "platform/forms/twips.h"
#include "platform/win32/support/dpi.h"
#include "program_icons.h"

#include <algorithm>
#include <iterator>
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

} // namespace

void Win32Window::layout(unsigned dpi, const RECT* suggested) {
    dpi_ = dpi;
    std::vector<std::pair<FontDesign, Font>> fonts;
    for (const Child& child : children_) {
        const FontDesign font = child.design->font.value_or(design_.font);
        auto it = std::ranges::find(fonts, font, &std::pair<FontDesign, Font>::first);
        if (it == fonts.end()) {
            fonts.emplace_back(font, createFont(font, dpi));
            it = std::prev(fonts.end());
        }
        ::SendMessageW(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(it->second.get()), FALSE);
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
    fonts_.clear();
    for (auto& [design, font] : fonts) {
        fonts_.push_back(std::move(font));
    }

    RECT client{0, 0, twipsToPixels(design_.clientWidth, dpi),
                twipsToPixels(design_.clientHeight, dpi)};
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (design_.position) {
        const POINT origin = toPixels(*design_.position, dpi);
        ::OffsetRect(&client, origin.x, origin.y);
    } else if (suggested == nullptr) {
        flags |= SWP_NOMOVE;
    }
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(handle(), GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(handle(), GWL_EXSTYLE));
    RECT frame = windowRectFor(client, style, exStyle, dpi);
    if (suggested != nullptr) {
        ::OffsetRect(&frame, suggested->left - frame.left, suggested->top - frame.top);
    }
    ::SetWindowPos(handle(), nullptr, frame.left, frame.top, frame.right - frame.left,
                   frame.bottom - frame.top, flags);
    ::InvalidateRect(handle(), nullptr, TRUE);
}

} // namespace platform::win32
