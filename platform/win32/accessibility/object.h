#pragma once

#include "platform/runtime/uncopyable.h"
#include "platform/win32/system/handles.h"
#include "platform/win32/system/windows_headers.h"

#include <oleacc.h>

#include <memory>
#include <new>
#include <string_view>
#include <utility>

// A screen reader's view of one of our windows: an IAccessible of our own in front of the
// system's standard object, which answers every question we leave to it.
namespace platform::win32 {

class Win32Window;

using AccessiblePointer = ComPointer<IAccessible>;

class AccessibleObject : public IAccessible, public IOleWindow, public Uncopyable {
public:
    virtual ~AccessibleObject() = default;

    // A new object, held once by the pointer. COM objects go when their last holder lets go.
    template <typename Object, typename... Arguments>
    static AccessiblePointer make(Arguments&&... arguments) {
        return AccessiblePointer(
            std::make_unique<Object>(std::forward<Arguments>(arguments)...).release());
    }
    // The answer to WM_GETOBJECT: the object, marshalled for the asking process.
    static LRESULT answer(const AccessiblePointer& object, WPARAM wParam);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // No type information: clients reach every member through the vtable.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*riid*/, LPOLESTR* /*names*/, UINT /*count*/,
                                            LCID /*locale*/, DISPID* /*ids*/) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID /*member*/, REFIID /*riid*/, LCID /*locale*/,
                                     WORD /*flags*/, DISPPARAMS* /*parameters*/,
                                     VARIANT* /*result*/, EXCEPINFO* /*exception*/,
                                     UINT* /*argumentError*/) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL /*enterMode*/) override {
        return E_NOTIMPL;
    }

protected:
    // The standard object of the window's client area stands behind this one.
    explicit AccessibleObject(HWND window);

    [[nodiscard]] HWND window() const { return window_; }
    // The live window of ours that the object's window belongs to: a screen reader may hold an
    // object longer than the window lives.
    [[nodiscard]] Win32Window& form() const;

    [[nodiscard]] static bool isSelf(const VARIANT& child) {
        return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
    }

private:
    HWND window_;
    AccessiblePointer standard_;
    LONG references_ = 1;
};

// COM may not see a C++ exception: a call that throws answers with a failure instead.
template <typename Call> HRESULT answering(Call&& call) noexcept {
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

// Hands a text to the caller, who frees it.
HRESULT giveText(std::wstring_view text, BSTR* out);
HRESULT giveNumber(LONG number, VARIANT* out);
// Hands an area in the window's client pixels to the caller, in screen pixels.
HRESULT giveLocation(HWND window, RECT area, LONG* left, LONG* top, LONG* width, LONG* height);

} // namespace platform::win32
