#pragma once

#include "object.h"
#include "platform/forms/design.h"

// The window's client area: its child windows as the system lists them, and the drawn progress
// shapes as simple children of its own.
namespace platform::win32 {

class Win32Shape;

class FormAccessible final : public AccessibleObject {
public:
    FormAccessible(HWND window, const WindowDesign& design)
        : AccessibleObject(window), design_(design) {}

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    // As a progress bar's: how much of the frame the bar covers, in per cent.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override;

private:
    // The progress shape a child id stands for, if any.
    [[nodiscard]] const ControlDesign* progress(const VARIANT& child) const;
    [[nodiscard]] const Win32Shape& drawn(const ControlDesign& shape) const;

    const WindowDesign& design_;
};

} // namespace platform::win32
