#include "oleacc.h"

#include "platform/win32/system/system_library.h"

namespace platform::win32::oleacc {

namespace {

struct Entries {
    SystemLibrary library{L"oleacc.dll"};
    PRETEXTOR_ENTRY(, CreateStdAccessibleObject);
    PRETEXTOR_ENTRY(, LresultFromObject);
    PRETEXTOR_ENTRY(, AccessibleObjectFromWindow);
};

const Entries& entries() {
    return loadedOnce<Entries>();
}

} // namespace

HRESULT createStdAccessibleObject(HWND window, LONG object, REFIID riid, void** result) {
    return entries().CreateStdAccessibleObject(window, object, riid, result);
}

LRESULT lresultFromObject(REFIID riid, WPARAM wParam, IUnknown* object) {
    return entries().LresultFromObject(riid, wParam, object);
}

HRESULT accessibleObjectFromWindow(HWND window, DWORD object, REFIID riid, void** result) {
    return entries().AccessibleObjectFromWindow(window, object, riid, result);
}

} // namespace platform::win32::oleacc
