#include "accessibility.h"

#include "accessible_object.h"
#include "text.h"
#include "win32_window.h"

#include <algorithm>
#include <cmath>
#include <commctrl.h>
#include <cstdint>
#include <optional>
#include <string>

namespace platform::win32 {

namespace {

bool isProgress(const ControlDesign& control) {
    return control.kind == ControlKind::Shape && !control.progressFrame.empty();
}

bool isLink(const ControlDesign& control) {
    return control.kind == ControlKind::Label && control.link;
}

LONG roleOf(const ControlDesign& control) {
    switch (control.kind) {
    case ControlKind::CommandButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case ControlKind::CheckBox:
        return ROLE_SYSTEM_CHECKBUTTON;
    case ControlKind::Label:
        return control.link ? ROLE_SYSTEM_LINK : ROLE_SYSTEM_STATICTEXT;
    case ControlKind::ListBox:
        return ROLE_SYSTEM_LIST;
    case ControlKind::PictureBox:
        return ROLE_SYSTEM_GRAPHIC;
    case ControlKind::Shape:
        return isProgress(control) ? ROLE_SYSTEM_PROGRESSBAR : ROLE_SYSTEM_GRAPHIC;
    case ControlKind::Line:
        return ROLE_SYSTEM_SEPARATOR;
    case ControlKind::Timer:
        break;
    }
    return ROLE_SYSTEM_CLIENT;
}

// A caption as it is read out: "&System Info..." is "System Info...", reached with Alt+S.
struct Spoken {
    std::wstring name;
    wchar_t accessKey = 0;
};

Spoken spoken(std::wstring_view caption) {
    Spoken result;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != L'&' && result.accessKey == 0) {
                result.accessKey = caption[i];
            }
        }
        result.name += caption[i];
    }
    return result;
}

Spoken spokenCaption(HWND window) {
    return spoken(widen(windowText(window)));
}

// Shapes, lines and timers are no windows here; every other control is a child window.
bool isChildWindow(const ControlDesign& control) {
    return control.kind != ControlKind::Shape && control.kind != ControlKind::Line &&
           control.kind != ControlKind::Timer;
}

// The form lists its child windows first, then the shapes that show progress, in design order.
LONG childWindowCount(const WindowDesign& design) {
    return static_cast<LONG>(std::ranges::count_if(design.controls, isChildWindow));
}

LONG progressId(const WindowDesign& design, const ControlDesign& shape) {
    LONG id = childWindowCount(design);
    for (const ControlDesign& control : design.controls) {
        id += isProgress(control) ? 1 : 0;
        if (&control == &shape) {
            return id;
        }
    }
    return CHILDID_SELF;
}

// The live window of ours that a window belongs to: a screen reader may hold an object longer
// than the window lives.
Win32Window& liveWindow(HWND window) {
    Win32Window* form = Win32Window::owning(window);
    if (form == nullptr) {
        throw RuntimeError(ErrorNumber::ControlFailure, "The window is gone");
    }
    return *form;
}

class ControlAccessible : public AccessibleObject {
public:
    ControlAccessible(HWND window, const ControlDesign& design)
        : AccessibleObject(window), design_(design) {}

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!isSelf(child)) {
            return AccessibleObject::get_accName(child, name);
        }
        return answering([&] {
            return giveText(design_.accessibleName.empty() ? spokenCaption(window()).name
                                                           : widen(design_.accessibleName),
                            name);
        });
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return isSelf(child) ? giveNumber(roleOf(design_), role)
                             : AccessibleObject::get_accRole(child, role);
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!isSelf(child)) {
            return AccessibleObject::get_accState(child, state);
        }
        LONG flags = 0;
        if (::IsWindowVisible(window()) == FALSE) {
            flags |= STATE_SYSTEM_INVISIBLE;
        }
        if (::IsWindowEnabled(window()) == FALSE) {
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

    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        if (!isSelf(child)) {
            return AccessibleObject::get_accKeyboardShortcut(child, shortcut);
        }
        return answering([&] {
            const wchar_t key = spokenCaption(window()).accessKey;
            if (key == 0) {
                *shortcut = nullptr;
                return S_FALSE;
            }
            return giveText(std::wstring(L"Alt+") + static_cast<wchar_t>(::towupper(key)),
                            shortcut);
        });
    }

    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        const wchar_t* word = isSelf(child) ? defaultAction() : nullptr;
        return word != nullptr ? giveText(word, action)
                               : AccessibleObject::get_accDefaultAction(child, action);
    }

    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
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
    }

protected:
    [[nodiscard]] const ControlDesign& design() const { return design_; }
    [[nodiscard]] Win32Window& form() const { return liveWindow(window()); }

private:
    [[nodiscard]] const wchar_t* defaultAction() const {
        if (::IsWindowEnabled(window()) == FALSE) {
            return nullptr;
        }
        switch (design_.kind) {
        case ControlKind::CommandButton:
            return L"Press";
        case ControlKind::CheckBox:
            return ::SendMessageW(window(), BM_GETCHECK, 0, 0) == BST_CHECKED ? L"Uncheck"
                                                                              : L"Check";
        case ControlKind::Label:
            return design_.link ? L"Jump" : nullptr;
        default:
            return nullptr;
        }
    }

    const ControlDesign& design_;
};

// A list box's words as its items, as Windows' own list boxes offer them.
class ListAccessible final : public ControlAccessible {
public:
    using ControlAccessible::ControlAccessible;

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        return answering([&] {
            *count = list().count();
            return S_OK;
        });
    }

    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        return answering([&] { return item(child) ? S_FALSE : E_INVALIDARG; });
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return answering([&] {
            const auto index = item(child);
            return index ? giveText(widen(list().item(*index)), name)
                         : ControlAccessible::get_accName(child, name);
        });
    }

    // The list's value is its selected word, as a screen reader reads it on arrival.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!isSelf(child)) {
            return ControlAccessible::get_accValue(child, value);
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

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return answering([&] {
            return item(child) ? giveNumber(ROLE_SYSTEM_LISTITEM, role)
                               : ControlAccessible::get_accRole(child, role);
        });
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return answering([&] {
            const auto index = item(child);
            if (!index) {
                return ControlAccessible::get_accState(child, state);
            }
            LONG flags = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
            if (::SendMessageW(window(), LB_GETCURSEL, 0, 0) == *index) {
                flags |=
                    STATE_SYSTEM_SELECTED | (::GetFocus() == window() ? STATE_SYSTEM_FOCUSED : 0);
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

    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
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

private:
    [[nodiscard]] ListBox& list() const { return form().get<ListBox>(design().name); }

    // The item a child id stands for: ids 1 to the item count, the items from the top.
    [[nodiscard]] std::optional<std::int16_t> item(const VARIANT& child) const {
        if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > list().count()) {
            return std::nullopt;
        }
        return static_cast<std::int16_t>(child.lVal - 1);
    }
};

// The window's client area: its child windows as the system lists them, and the drawn progress
// shapes as simple children of its own.
class FormAccessible final : public AccessibleObject {
public:
    FormAccessible(HWND window, const WindowDesign& design)
        : AccessibleObject(window), design_(design) {}

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = childWindowCount(design_) +
                 static_cast<LONG>(std::ranges::count_if(design_.controls, isProgress));
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (progress(child) != nullptr) {
            return S_FALSE;
        }
        if (child.vt == VT_I4 && child.lVal > 0) {
            LONG position = child.lVal;
            for (HWND each = ::GetWindow(window(), GW_CHILD); each != nullptr;
                 each = ::GetWindow(each, GW_HWNDNEXT)) {
                if (--position == 0) {
                    return ::AccessibleObjectFromWindow(each, static_cast<DWORD>(OBJID_CLIENT),
                                                        __uuidof(IDispatch),
                                                        reinterpret_cast<void**>(object));
                }
            }
        }
        return E_INVALIDARG;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        const ControlDesign* shape = progress(child);
        return shape != nullptr
                   ? answering([&] { return giveText(widen(shape->accessibleName), name); })
                   : AccessibleObject::get_accName(child, name);
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        const ControlDesign* shape = progress(child);
        return shape != nullptr ? giveNumber(roleOf(*shape), role)
                                : AccessibleObject::get_accRole(child, role);
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const ControlDesign* shape = progress(child);
        if (shape == nullptr) {
            return AccessibleObject::get_accState(child, state);
        }
        return answering([&] {
            const LONG shown = drawn(*shape).visible() ? 0 : STATE_SYSTEM_INVISIBLE;
            return giveNumber(STATE_SYSTEM_READONLY | shown, state);
        });
    }

    // As a progress bar's: how much of the frame the bar covers, in per cent.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        const ControlDesign* shape = progress(child);
        if (shape == nullptr) {
            return AccessibleObject::get_accValue(child, value);
        }
        return answering([&] {
            const double full = findControl(design_, shape->progressFrame).rect.width;
            const double covered =
                std::clamp(static_cast<double>(drawn(*shape).width()), 0.0, full);
            return giveText(std::to_wstring(std::lround(100.0 * covered / full)) + L"%", value);
        });
    }

    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        const ControlDesign* shape = progress(child);
        if (shape == nullptr) {
            return AccessibleObject::accLocation(left, top, width, height, child);
        }
        return answering([&] {
            return giveLocation(window(), drawn(*shape).area(form().dpi()), left, top, width,
                                height);
        });
    }

    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override {
        return answering([&] {
            for (const ControlDesign& control : design_.controls) {
                if (isProgress(control) && drawn(control).visible()) {
                    const RECT area = onScreen(control);
                    if (::PtInRect(&area, POINT{left, top}) != FALSE) {
                        return giveNumber(progressId(design_, control), child);
                    }
                }
            }
            return AccessibleObject::accHitTest(left, top, child);
        });
    }

private:
    [[nodiscard]] const ControlDesign* progress(const VARIANT& child) const {
        if (child.vt != VT_I4 || child.lVal <= childWindowCount(design_)) {
            return nullptr;
        }
        const auto it = std::ranges::find_if(design_.controls, [&](const ControlDesign& control) {
            return isProgress(control) && progressId(design_, control) == child.lVal;
        });
        return it != design_.controls.end() ? &*it : nullptr;
    }

    [[nodiscard]] Win32Window& form() const { return liveWindow(window()); }

    [[nodiscard]] const Win32Shape& drawn(const ControlDesign& shape) const {
        return form().get<Win32Shape>(shape.name);
    }

    [[nodiscard]] RECT onScreen(const ControlDesign& shape) const {
        RECT area = drawn(shape).area(form().dpi());
        ::MapWindowPoints(window(), nullptr, reinterpret_cast<POINT*>(&area), 2);
        return area;
    }

    const WindowDesign& design_;
};

// Answers the screen reader's WM_GETOBJECT for the client area with an object of ours.
template <typename Object, typename Design>
LRESULT CALLBACK answerGetObject(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR design) {
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        try {
            return AccessibleObject::answer(
                AccessibleObject::make<Object>(window, *reinterpret_cast<const Design*>(design)),
                wParam);
        } catch (...) {
            // The system's standard object answers instead: unnamed, but there.
        }
    }
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(window, answerGetObject<Object, Design>, id);
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

template <typename Object, typename Design> void subclass(HWND window, const Design& design) {
    if (::SetWindowSubclass(window, answerGetObject<Object, Design>, 1,
                            reinterpret_cast<DWORD_PTR>(&design)) == FALSE) {
        throw RuntimeError(ErrorNumber::ControlFailure, "SetWindowSubclass");
    }
}

} // namespace

void makeAccessible(HWND form, const WindowDesign& design) {
    subclass<FormAccessible>(form, design);
}

void makeAccessible(HWND control, const ControlDesign& design) {
    if (design.kind == ControlKind::ListBox) {
        subclass<ListAccessible>(control, design);
    } else {
        subclass<ControlAccessible>(control, design);
    }
}

void announceNameChange(HWND control) {
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void announceProgress(const Surface& surface, const ControlDesign& shape, DWORD event) {
    if (isProgress(shape)) {
        ::NotifyWinEvent(event, surface.handle(), OBJID_CLIENT,
                         progressId(surface.design(), shape));
    }
}

} // namespace platform::win32
