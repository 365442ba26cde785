#include "controls.h"

#include "picture_box.h"
#include "pixels.h"
#include "platform/win32/accessibility/events.h"
#include "platform/win32/system/last_error.h"
#include "platform/win32/text/text.h"

#include <vector>

namespace platform::win32 {

std::string textOf(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied));
    return narrow(text);
}

void setWindowText(HWND window, const std::string& text) {
    check(::SetWindowTextW(window, widen(text).c_str()) != FALSE, "SetWindowText");
    // The system says nothing of it; a new excuse must still be read out.
    announceNameChange(window);
}

std::int16_t Win32CheckBox::value() const {
    switch (::SendMessageW(window(), BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
        return ticked;
    case BST_INDETERMINATE:
        return greyed;
    default:
        return unticked;
    }
}

void Win32CheckBox::setValue(std::int16_t value) {
    // Only a three-state box can show grey; a click on it moves on to unticked as usual.
    ::SendMessageW(window(), BM_SETSTYLE, value == greyed ? BS_AUTO3STATE : BS_AUTOCHECKBOX, TRUE);
    ::SendMessageW(window(), BM_SETCHECK,
                   value == ticked   ? BST_CHECKED
                   : value == greyed ? BST_INDETERMINATE
                                     : BST_UNCHECKED,
                   0);
}

void Win32Label::onClick(Handler handler) {
    const LONG_PTR style = ::GetWindowLongPtrW(window(), GWL_STYLE);
    ::SetWindowLongPtrW(window(), GWL_STYLE, handler ? style | SS_NOTIFY : style & ~SS_NOTIFY);
    Windowed::onClick(std::move(handler));
}

void Win32ListBox::addItem(const std::string& item) {
    const LRESULT index =
        ::SendMessageW(window(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
    if (index == LB_ERR || index == LB_ERRSPACE) {
        throw RuntimeError(ErrorNumber::ControlFailure, "The list box cannot take " + item);
    }
}

int Win32ListBox::count() const {
    return static_cast<int>(::SendMessageW(window(), LB_GETCOUNT, 0, 0));
}

std::string Win32ListBox::itemText(int index) const {
    const auto item = static_cast<WPARAM>(index);
    const LRESULT length = ::SendMessageW(window(), LB_GETTEXTLEN, item, 0);
    if (length == LB_ERR) {
        throw invalidIndexError();
    }
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
    ::SendMessageW(window(), LB_GETTEXT, item, reinterpret_cast<LPARAM>(text.data()));
    return narrow(std::wstring_view(text.data(), static_cast<std::size_t>(length)));
}

void Win32PictureBox::setPicture(Icon picture) {
    picture_ = std::move(picture);
    ::SetWindowLongPtrW(window(), pictureSlot, reinterpret_cast<LONG_PTR>(picture_.get()));
    ::InvalidateRect(window(), nullptr, TRUE);
}

Win32Timer::Win32Timer(HWND window, UINT_PTR id, int intervalMs)
    : window_(window), id_(id), interval_(static_cast<UINT>(intervalMs)) {}

Win32Timer::~Win32Timer() {
    if (enabled_) {
        ::KillTimer(window_, id_);
    }
}

void Win32Timer::setEnabled(bool enabled) {
    if (enabled && !enabled_) {
        // Windows raises anything under 10 ms to 10 ms, as it did for the original.
        check(::SetTimer(window_, id_, interval_, nullptr) != 0, "SetTimer");
        enabled_ = true;
    } else if (!enabled && enabled_) {
        ::KillTimer(window_, id_);
        enabled_ = false;
    }
}

} // namespace platform::win32
