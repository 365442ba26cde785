#pragma once

#include "platform/design.h"
#include "windows_headers.h"

// Hands a screen reader our own objects: the window and its controls named and given their
// roles from the design, and the drawn progress bar as an object of its own.
namespace platform::win32 {

// From now on the window, or the control, answers WM_GETOBJECT with an object of ours.
void makeAccessible(HWND form, const WindowDesign& design);
void makeAccessible(HWND control, const ControlDesign& design);

} // namespace platform::win32
