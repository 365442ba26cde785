#include "events.h"

#include "platform/win32/window/controls.h"
#include "roles.h"

#include <array>
#include <utility>

namespace platform::win32 {

void announceNameChange(HWND control) {
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void announceProgress(const Surface& surface, const ControlDesign& shape, DWORD event) {
    if (isProgressBar(shape)) {
        ::NotifyWinEvent(event, surface.handle(), OBJID_CLIENT,
                         progressId(surface.design(), shape));
    }
}

namespace {

// A list box's focus is on an item, its caret; screen readers ask the item, not the list.
LONG focusedChild(HWND focus) {
    std::array<wchar_t, 16> name{};
    ::GetClassNameW(focus, name.data(), static_cast<int>(name.size()));
    if (::CompareStringOrdinal(name.data(), -1, L"ListBox", -1, TRUE) != CSTR_EQUAL) {
        return CHILDID_SELF;
    }
    const LRESULT caret = ::SendMessageW(focus, LB_GETCARETINDEX, 0, 0);
    const LRESULT count = ::SendMessageW(focus, LB_GETCOUNT, 0, 0);
    return caret >= 0 && caret < count ? static_cast<LONG>(caret) + 1 : CHILDID_SELF;
}

} // namespace

void SpokenDescription::announce(HWND window, std::wstring text) {
    HWND focus = ::GetFocus();
    if (focus == nullptr || ::GetAncestor(focus, GA_ROOT) != window) {
        focus = window;
    }
    window_ = focus;
    child_ = focus == window ? CHILDID_SELF : focusedChild(focus);
    text_ = std::move(text);
    ::NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window_, OBJID_CLIENT, child_);
}

void SpokenDescription::clear() {
    window_ = nullptr;
    text_.clear();
}

const std::wstring* SpokenDescription::of(HWND window, LONG child) const {
    return window_ != nullptr && window == window_ && child == child_ ? &text_ : nullptr;
}

} // namespace platform::win32
