#include "accessible_hook.h"

#include "accessible_control.h"
#include "accessible_form.h"
#include "accessible_list.h"
#include "platform/errors.h"

#include <commctrl.h>

namespace platform::win32 {

namespace {

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

} // namespace platform::win32
