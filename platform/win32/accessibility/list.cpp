#include "list.h"

#include "platform/win32/text/text.h"
#include "platform/win32/window/form.h"

namespace platform::win32 {

HRESULT ListAccessible::get_accChildCount(LONG* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    return answering([&] {
        *count = list().count();
        return S_OK;
    });
}

HRESULT ListAccessible::get_accChild(VARIANT child, IDispatch** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    return answering([&] { return item(child) ? S_FALSE : E_INVALIDARG; });
}

HRESULT ListAccessible::get_accName(VARIANT child, BSTR* name) {
    return answering([&] {
        const auto index = item(child);
        return index ? giveText(widen(list().item(*index)), name)
                     : ControlAccessible::get_accName(child, name);
    });
}

HRESULT ListAccessible::get_accValue(VARIANT child, BSTR* value) {
    if (!isSelf(child)) {
        return ControlAccessible::get_accValue(child, value);
    }
    if (value == nullptr) {
        return E_POINTER;
    }
    return answering([&] {
        const LRESULT selected = ::SendMessageW(window(), LB_GETCURSEL, 0, 0);
        if (selected == LB_ERR) {
            *value = nullptr;
            return S_FALSE;
        }
        return giveText(widen(list().item(static_cast<std::int16_t>(selected))), value);
    });
}

HRESULT ListAccessible::get_accRole(VARIANT child, VARIANT* role) {
    return answering([&] {
        return item(child) ? giveNumber(ROLE_SYSTEM_LISTITEM, role)
                           : ControlAccessible::get_accRole(child, role);
    });
}

HRESULT ListAccessible::get_accState(VARIANT child, VARIANT* state) {
    return answering([&] {
        const auto index = item(child);
        if (!index) {
            return ControlAccessible::get_accState(child, state);
        }
        LONG flags = windowTakesInput() ? STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE
                                        : STATE_SYSTEM_UNAVAILABLE;
        if (::SendMessageW(window(), LB_GETCURSEL, 0, 0) == *index) {
            flags |= STATE_SYSTEM_SELECTED | (::GetFocus() == window() ? STATE_SYSTEM_FOCUSED : 0);
        }
        RECT area{};
        RECT client{};
        ::GetClientRect(window(), &client);
        if (::SendMessageW(window(), LB_GETITEMRECT, static_cast<WPARAM>(*index),
                           reinterpret_cast<LPARAM>(&area)) == LB_ERR ||
            ::IntersectRect(&area, &area, &client) == FALSE) {
            flags |= STATE_SYSTEM_OFFSCREEN;
        }
        return giveNumber(flags, state);
    });
}

HRESULT ListAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                    VARIANT child) {
    return answering([&] {
        const auto index = item(child);
        if (!index) {
            return ControlAccessible::accLocation(left, top, width, height, child);
        }
        RECT area{};
        if (::SendMessageW(window(), LB_GETITEMRECT, static_cast<WPARAM>(*index),
                           reinterpret_cast<LPARAM>(&area)) == LB_ERR) {
            return E_FAIL;
        }
        return giveLocation(window(), area, left, top, width, height);
    });
}

ListBox& ListAccessible::list() const {
    return form().get<ListBox>(design().name);
}

std::optional<std::int16_t> ListAccessible::item(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > list().count()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(child.lVal - 1);
}

} // namespace platform::win32
