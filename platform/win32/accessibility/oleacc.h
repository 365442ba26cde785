#pragma once

#include "platform/win32/system/windows_headers.h"

#include <oleacc.h>

// The oleacc.dll entry points the program uses, taken from the system folder's oleacc.dll when
// first called (oleacc is no KnownDLL, so it is kept out of the import table). Each throws a
// run-time error naming the DLL and the entry point when the system has none.
namespace platform::win32::oleacc {

HRESULT createStdAccessibleObject(HWND window, LONG object, REFIID riid, void** result);
LRESULT lresultFromObject(REFIID riid, WPARAM wParam, IUnknown* object);
HRESULT accessibleObjectFromWindow(HWND window, DWORD object, REFIID riid, void** result);

} // namespace platform::win32::oleacc
