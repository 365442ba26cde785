#pragma once

#include "platform/win32/system/handles.h"
#include "platform/win32/system/windows_headers.h"

#include <oleauto.h>

#include <string_view>

// The strings of COM, from the system folder's oleaut32.dll when first needed: only a screen
// reader's questions and the program's announcements use them, so a start does not load the DLL.
// Each throws a run-time error naming the DLL and the entry point when the system has none.
namespace platform::win32::oleaut32 {

// Null when out of memory.
[[nodiscard]] BSTR allocString(std::wstring_view text);
void freeString(BSTR text);

using String = Unique<BSTR, freeString>;

} // namespace platform::win32::oleaut32
