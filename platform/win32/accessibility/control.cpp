#include "control.h"

#include "platform/win32/text/text.h"
#include "platform/win32/window/form.h"
#include "roles.h"
#include "spoken_caption.h"

#include <cwctype>
#include <string>

namespace platform::win32 {

HRESULT ControlAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!isSelf(child)) {
        return AccessibleObject::get_accName(child, name);
    }
    return answering([&] {
        return giveText(design_.accessibleName.empty() ? spokenCaption(window()).name
                                                       : widen(design_.accessibleName),
                        name);
    });
}

HRESULT ControlAccessible::get_accRole(VARIANT child, VARIANT* role) {
    return isSelf(child) ? giveNumber(roleOf(design_), role)
                         : AccessibleObject::get_accRole(child, role);
}

HRESULT ControlAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (!isSelf(child)) {
        return AccessibleObject::get_accState(child, state);
    }
    LONG flags = 0;
    if (::IsWindowVisible(window()) == FALSE) {
        flags |= STATE_SYSTEM_INVISIBLE;
    }
    if (::IsWindowEnabled(window()) == FALSE || !windowTakesInput()) {
        flags |= STATE_SYSTEM_UNAVAILABLE;
    } else if (takesFocus(design_.kind)) {
        flags |= STATE_SYSTEM_FOCUSABLE;
    }
    if (::GetFocus() == window()) {
        flags |= STATE_SYSTEM_FOCUSED;
    }
    if (design_.kind == ControlKind::CheckBox) {
        const LRESULT check = ::SendMessageW(window(), BM_GETCHECK, 0, 0);
        flags |= check == BST_CHECKED         ? STATE_SYSTEM_CHECKED
                 : check == BST_INDETERMINATE ? STATE_SYSTEM_MIXED
                                              : 0;
    }
    if (isLink(design_)) {
        flags |= STATE_SYSTEM_LINKED;
    }
    return giveNumber(flags, state);
}

HRESULT ControlAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    if (!isSelf(child)) {
        return AccessibleObject::get_accKeyboardShortcut(child, shortcut);
    }
    if (shortcut == nullptr) {
        return E_POINTER;
    }
    return answering([&] {
        const wchar_t key = spokenCaption(window()).accessKey;
        if (key == 0) {
            *shortcut = nullptr;
            return S_FALSE;
        }
        return giveText(std::wstring(L"Alt+") + static_cast<wchar_t>(::towupper(key)), shortcut);
    });
}

HRESULT ControlAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (action == nullptr) {
        return E_POINTER;
    }
    return answering([&] {
        // What the program refuses is not offered on its behalf by the standard object either.
        if (refusesInput()) {
            *action = nullptr;
            return S_FALSE;
        }
        const wchar_t* word = isSelf(child) ? defaultAction() : nullptr;
        return word != nullptr ? giveText(word, action)
                               : AccessibleObject::get_accDefaultAction(child, action);
    });
}

HRESULT ControlAccessible::accDoDefaultAction(VARIANT child) {
    return answering([&] {
        if (refusesInput()) {
            return DISP_E_MEMBERNOTFOUND;
        }
        if (!isSelf(child) || defaultAction() == nullptr) {
            return AccessibleObject::accDoDefaultAction(child);
        }
        // Posted, as a click arrives: the caller does not wait for what the click does.
        const BOOL posted = isLink(design_)
                                ? ::PostMessageW(::GetParent(window()), WM_COMMAND,
                                                 MAKEWPARAM(::GetDlgCtrlID(window()), STN_CLICKED),
                                                 reinterpret_cast<LPARAM>(window()))
                                : ::PostMessageW(window(), BM_CLICK, 0, 0);
        return posted != FALSE ? S_OK : E_FAIL;
    });
}

HRESULT ControlAccessible::accSelect(LONG flags, VARIANT child) {
    return answering([&] {
        return refusesInput() ? DISP_E_MEMBERNOTFOUND : AccessibleObject::accSelect(flags, child);
    });
}

bool ControlAccessible::windowTakesInput() const {
    // A modal box disables the windows it is over, not their controls.
    return ::IsWindowEnabled(::GetAncestor(window(), GA_ROOT)) != FALSE;
}

bool ControlAccessible::refusesInput() const {
    return !windowTakesInput() || !canBeClicked(form().get<Control>(design_.name));
}

const wchar_t* ControlAccessible::defaultAction() const {
    switch (design_.kind) {
    case ControlKind::CommandButton:
        return L"Press";
    case ControlKind::CheckBox:
        return ::SendMessageW(window(), BM_GETCHECK, 0, 0) == BST_CHECKED ? L"Uncheck" : L"Check";
    case ControlKind::Label:
        return isLink(design_) ? L"Jump" : nullptr;
    default:
        return nullptr;
    }
}

} // namespace platform::win32
