#pragma once

#include "object.h"
#include "platform/forms/design.h"

// A control as a screen reader meets it: named and given its role from the design, with the
// default action its kind offers.
namespace platform::win32 {

class ControlAccessible : public AccessibleObject {
public:
    ControlAccessible(HWND window, const ControlDesign& design)
        : AccessibleObject(window), design_(design) {}

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;

protected:
    [[nodiscard]] const ControlDesign& design() const { return design_; }
    // Whether the control's window takes input now: not while a modal box is over it.
    [[nodiscard]] bool windowTakesInput() const;
    // While the user could not click the control, no one may act on it in the user's name.
    [[nodiscard]] bool refusesInput() const;

private:
    [[nodiscard]] const wchar_t* defaultAction() const;

    const ControlDesign& design_;
};

} // namespace platform::win32
