#include "subclass.h"

#include "control.h"
#include "form.h"
#include "list.h"
#include "platform/win32/system/last_error.h"

namespace platform::win32 {

namespace {

bool asksForClientArea(LPARAM lParam) {
    return static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT);
}

template <typename Object, typename Design>
std::optional<LRESULT> answer(HWND window, const Design& design, WPARAM wParam) {
    try {
        return AccessibleObject::answer(AccessibleObject::make<Object>(window, design), wParam);
    } catch (...) {
        // The system's standard object answers instead: unnamed, but there.
        return std::nullopt;
    }
}

} // namespace

std::optional<LRESULT> answerGetObject(HWND form, const WindowDesign& design, WPARAM wParam,
                                       LPARAM lParam) {
    if (!asksForClientArea(lParam)) {
        return std::nullopt;
    }
    return answer<FormAccessible>(form, design, wParam);
}

AccessibleSubclass::AccessibleSubclass(HWND control, const ControlDesign& design)
    : control_(control), design_(design) {
    ::SetWindowLongPtrW(control_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    own_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AccessibleSubclass::procedure)));
    if (own_ == nullptr) {
        const RuntimeError error = lastError(ErrorNumber::ControlFailure, "SetWindowLongPtr");
        ::SetWindowLongPtrW(control_, GWLP_USERDATA, 0);
        throw error;
    }
}

AccessibleSubclass::~AccessibleSubclass() {
    release();
}

void AccessibleSubclass::release() {
    if (control_ != nullptr) {
        ::SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own_));
        ::SetWindowLongPtrW(control_, GWLP_USERDATA, 0);
    }
    control_ = nullptr;
}

LRESULT CALLBACK AccessibleSubclass::procedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    auto* subclass =
        reinterpret_cast<AccessibleSubclass*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (subclass == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    const WNDPROC own = subclass->own_;
    if (message == WM_GETOBJECT && asksForClientArea(lParam)) {
        const auto answered = subclass->design_.kind == ControlKind::ListBox
                                  ? answer<ListAccessible>(window, subclass->design_, wParam)
                                  : answer<ControlAccessible>(window, subclass->design_, wParam);
        if (answered) {
            return *answered;
        }
    } else if (message == WM_NCDESTROY) {
        // The control's last message: it finishes in its own procedure.
        subclass->release();
    }
    return ::CallWindowProcW(own, window, message, wParam, lParam);
}

} // namespace platform::win32
