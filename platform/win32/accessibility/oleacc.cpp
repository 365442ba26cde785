#include "oleacc.h"

#include "platform/win32/system/system_library.h"

namespace platform::win32::oleacc {

namespace {

struct Entries {
    SystemLibrary library{L"oleacc.dll"};
    decltype(&::CreateStdAccessibleObject) createStdAccessibleObject =
        library.entry<decltype(&::CreateStdAccessibleObject)>("CreateStdAccessibleObject");
    decltype(&::LresultFromObject) lresultFromObject =
        library.entry<decltype(&::LresultFromObject)>("LresultFromObject");
    decltype(&::AccessibleObjectFromWindow) accessibleObjectFromWindow =
        library.entry<decltype(&::AccessibleObjectFromWindow)>("AccessibleObjectFromWindow");
};

const Entries& entries() {
    return loadedOnce<Entries>();
}

} // namespace

HRESULT createStdAccessibleObject(HWND window, LONG object, REFIID riid, void** result) {
    return entries().createStdAccessibleObject(window, object, riid, result);
}

LRESULT lresultFromObject(REFIID riid, WPARAM wParam, IUnknown* object) {
    return entries().lresultFromObject(riid, wParam, object);
}

HRESULT accessibleObjectFromWindow(HWND window, DWORD object, REFIID riid, void** result) {
    return entries().accessibleObjectFromWindow(window, object, riid, result);
}

} // namespace platform::win32::oleacc
