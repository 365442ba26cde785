#pragma once

#include "platform/forms/design.h"
#include "platform/runtime/uncopyable.h"
#include "platform/win32/system/windows_headers.h"

#include <optional>

// How a screen reader finds our objects: it sends WM_GETOBJECT, which the form and this subclass
// of each control answer with an object of ours (object.cpp, form.cpp, control.cpp, list.cpp),
// named and given its role from the design (roles.cpp), the drawn progress bar an object of its
// own. events.cpp and ui_automation_notice.cpp tell of changes; oleacc and oleaut32 are loaded
// when first needed.
namespace platform::win32 {

// The window's answer to WM_GETOBJECT, from its own procedure: an object of ours for its client
// area; nothing for any other object, which the system answers.
[[nodiscard]] std::optional<LRESULT> answerGetObject(HWND form, const WindowDesign& design,
                                                     WPARAM wParam, LPARAM lParam);

// While it lives, the control answers WM_GETOBJECT with an object of ours. It stands in front of
// the control's own procedure and finds itself through the control's user data, both read in
// the process: the common controls' shared subclassing asks the window server for every
// message, which under Wine made filling the word lists four times slower.
class AccessibleSubclass : public Uncopyable {
public:
    AccessibleSubclass(HWND control, const ControlDesign& design);
    ~AccessibleSubclass();

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Gives the control back its own procedure.
    void release();

    HWND control_;
    const ControlDesign& design_;
    WNDPROC own_ = nullptr;
};

} // namespace platform::win32
