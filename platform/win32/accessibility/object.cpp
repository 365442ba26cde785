#include "object.h"

#include "oleacc.h"
#include "oleaut32.h"
#include "platform/runtime/errors.h"
#include "platform/win32/window/form.h"

#include <type_traits>

namespace platform::win32 {

namespace {

template <typename Argument> bool isNullPointer(Argument argument) {
    if constexpr (std::is_pointer_v<Argument>) {
        return argument == nullptr;
    } else {
        return false;
    }
}

// The standard object may write through a null out-pointer; ours refuses one first.
template <typename Method, typename... Arguments>
HRESULT passOn(IAccessible* standard, Method method, Arguments... arguments) {
    if ((... || isNullPointer(arguments))) {
        return E_POINTER;
    }
    return (standard->*method)(arguments...);
}

} // namespace

AccessibleObject::AccessibleObject(HWND window) : window_(window) {
    IAccessible* standard = nullptr;
    // __uuidof, not IID_IAccessible: the static import library's constant can come out wrong.
    if (FAILED(oleacc::createStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&standard)))) {
        throw RuntimeError(ErrorNumber::ControlFailure, "CreateStdAccessibleObject");
    }
    standard_.reset(standard);
}

LRESULT AccessibleObject::answer(const AccessiblePointer& object, WPARAM wParam) {
    // LresultFromObject takes its own reference.
    return oleacc::lresultFromObject(__uuidof(IAccessible), wParam, object.get());
}

HRESULT AccessibleObject::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) ||
        riid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
    } else if (riid == __uuidof(IOleWindow)) {
        *object = static_cast<IOleWindow*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG AccessibleObject::AddRef() {
    return static_cast<ULONG>(::InterlockedIncrement(&references_));
}

ULONG AccessibleObject::Release() {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT AccessibleObject::GetTypeInfo(UINT /*index*/, LCID /*locale*/, ITypeInfo** info) {
    if (info != nullptr) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
    return passOn(standard_.get(), &IAccessible::get_accParent, parent);
}

HRESULT AccessibleObject::get_accChildCount(LONG* count) {
    return passOn(standard_.get(), &IAccessible::get_accChildCount, count);
}

HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
    return passOn(standard_.get(), &IAccessible::get_accChild, child, object);
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
    return passOn(standard_.get(), &IAccessible::get_accName, child, name);
}

HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
    return passOn(standard_.get(), &IAccessible::get_accValue, child, value);
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
    if (description == nullptr) {
        return E_POINTER;
    }
    // Asked of a window that is gone, it has nothing of its own to say.
    const Win32Window* owner = Win32Window::owning(window_);
    const std::wstring* spoken = owner != nullptr && child.vt == VT_I4
                                     ? owner->spokenDescription().of(window_, child.lVal)
                                     : nullptr;
    if (spoken != nullptr) {
        return answering([&] { return giveText(*spoken, description); });
    }
    return standard_.get()->get_accDescription(child, description);
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
    return passOn(standard_.get(), &IAccessible::get_accRole, child, role);
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
    return passOn(standard_.get(), &IAccessible::get_accState, child, state);
}

HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
    return passOn(standard_.get(), &IAccessible::get_accHelp, child, help);
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) {
    return passOn(standard_.get(), &IAccessible::get_accHelpTopic, helpFile, child, topic);
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return passOn(standard_.get(), &IAccessible::get_accKeyboardShortcut, child, shortcut);
}

HRESULT AccessibleObject::get_accFocus(VARIANT* child) {
    return passOn(standard_.get(), &IAccessible::get_accFocus, child);
}

HRESULT AccessibleObject::get_accSelection(VARIANT* children) {
    return passOn(standard_.get(), &IAccessible::get_accSelection, children);
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    return passOn(standard_.get(), &IAccessible::get_accDefaultAction, child, action);
}

HRESULT AccessibleObject::accSelect(LONG flags, VARIANT child) {
    return passOn(standard_.get(), &IAccessible::accSelect, flags, child);
}

HRESULT AccessibleObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                      VARIANT child) {
    return passOn(standard_.get(), &IAccessible::accLocation, left, top, width, height, child);
}

HRESULT AccessibleObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    return passOn(standard_.get(), &IAccessible::accNavigate, direction, start, end);
}

HRESULT AccessibleObject::accHitTest(LONG left, LONG top, VARIANT* child) {
    return passOn(standard_.get(), &IAccessible::accHitTest, left, top, child);
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
    return passOn(standard_.get(), &IAccessible::accDoDefaultAction, child);
}

HRESULT AccessibleObject::put_accName(VARIANT child, BSTR name) {
    return standard_.get()->put_accName(child, name);
}

HRESULT AccessibleObject::put_accValue(VARIANT child, BSTR value) {
    return standard_.get()->put_accValue(child, value);
}

Win32Window& AccessibleObject::form() const {
    Win32Window* form = Win32Window::owning(window_);
    if (form == nullptr) {
        throw RuntimeError(ErrorNumber::ControlFailure, "The window is gone");
    }
    return *form;
}

HRESULT AccessibleObject::GetWindow(HWND* window) {
    if (window == nullptr) {
        return E_POINTER;
    }
    *window = window_;
    return S_OK;
}

HRESULT giveText(std::wstring_view text, BSTR* out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    return answering([&] {
        *out = oleaut32::allocString(text);
        return *out != nullptr ? S_OK : E_OUTOFMEMORY;
    });
}

HRESULT giveNumber(LONG number, VARIANT* out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = VARIANT{};
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
}

HRESULT giveLocation(HWND window, RECT area, LONG* left, LONG* top, LONG* width, LONG* height) {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
        return E_POINTER;
    }
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    *left = area.left;
    *top = area.top;
    *width = area.right - area.left;
    *height = area.bottom - area.top;
    return S_OK;
}

} // namespace platform::win32
