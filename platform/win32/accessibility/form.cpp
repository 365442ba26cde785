#include "form.h"

#include "oleacc.h"
#include "platform/win32/text/text.h"
#include "platform/win32/window/form.h"
#include "roles.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace platform::win32 {

HRESULT FormAccessible::get_accChildCount(LONG* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = childWindowCount(design_) +
             static_cast<LONG>(std::ranges::count_if(design_.controls, isProgressBar));
    return S_OK;
}

HRESULT FormAccessible::get_accChild(VARIANT child, IDispatch** object) {
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
                return answering([&] {
                    return oleacc::accessibleObjectFromWindow(
                        each, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IDispatch),
                        reinterpret_cast<void**>(object));
                });
            }
        }
    }
    return E_INVALIDARG;
}

HRESULT FormAccessible::get_accName(VARIANT child, BSTR* name) {
    const ControlDesign* shape = progress(child);
    return shape != nullptr
               ? answering([&] { return giveText(widen(shape->accessibleName), name); })
               : AccessibleObject::get_accName(child, name);
}

HRESULT FormAccessible::get_accRole(VARIANT child, VARIANT* role) {
    const ControlDesign* shape = progress(child);
    return shape != nullptr ? giveNumber(roleOf(*shape), role)
                            : AccessibleObject::get_accRole(child, role);
}

HRESULT FormAccessible::get_accState(VARIANT child, VARIANT* state) {
    const ControlDesign* shape = progress(child);
    if (shape == nullptr) {
        return AccessibleObject::get_accState(child, state);
    }
    return answering([&] {
        const LONG shown = drawn(*shape).visible() ? 0 : STATE_SYSTEM_INVISIBLE;
        return giveNumber(STATE_SYSTEM_READONLY | shown, state);
    });
}

HRESULT FormAccessible::get_accValue(VARIANT child, BSTR* value) {
    const ControlDesign* shape = progress(child);
    if (shape == nullptr) {
        return AccessibleObject::get_accValue(child, value);
    }
    return answering([&] {
        const double full = progressScale(design_, *shape);
        const double covered = std::clamp(static_cast<double>(drawn(*shape).width()), 0.0, full);
        return giveText(std::to_wstring(std::lround(100.0 * covered / full)) + L"%", value);
    });
}

HRESULT FormAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                    VARIANT child) {
    const ControlDesign* shape = progress(child);
    if (shape == nullptr) {
        return AccessibleObject::accLocation(left, top, width, height, child);
    }
    return answering([&] {
        return giveLocation(window(), drawn(*shape).area(form().dpi()), left, top, width, height);
    });
}

HRESULT FormAccessible::accHitTest(LONG left, LONG top, VARIANT* child) {
    return answering([&] {
        POINT point{left, top};
        ::ScreenToClient(window(), &point);
        for (const ControlDesign& control : design_.controls) {
            if (isProgressBar(control) && drawn(control).visible()) {
                const RECT area = drawn(control).area(form().dpi());
                if (::PtInRect(&area, point) != FALSE) {
                    return giveNumber(progressId(design_, control), child);
                }
            }
        }
        return AccessibleObject::accHitTest(left, top, child);
    });
}

const ControlDesign* FormAccessible::progress(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal <= childWindowCount(design_)) {
        return nullptr;
    }
    const auto it = std::ranges::find_if(design_.controls, [&](const ControlDesign& control) {
        return isProgressBar(control) && progressId(design_, control) == child.lVal;
    });
    return it != design_.controls.end() ? &*it : nullptr;
}

const Win32Shape& FormAccessible::drawn(const ControlDesign& shape) const {
    return form().get<Win32Shape>(shape.name);
}

} // namespace platform::win32
