#pragma once

#include "platform/design.h"
#include "windows_headers.h"

// What a screen reader meets: the window and its controls named and given their roles from the
// design, the drawn progress bar as an object of its own, and the changes it must hear of.
namespace platform::win32 {

class Surface;

// From now on the window, or the control, answers WM_GETOBJECT with an object of ours.
void makeAccessible(HWND form, const WindowDesign& design);
void makeAccessible(HWND control, const ControlDesign& design);

// The control's text was written: a screen reader reads it anew, once per write.
void announceNameChange(HWND control);

// A shape that shows progress was shown (EVENT_OBJECT_SHOW), hidden (EVENT_OBJECT_HIDE) or moved
// on (EVENT_OBJECT_VALUECHANGE). Other shapes are decoration and say nothing.
void announceProgress(const Surface& surface, const ControlDesign& shape, DWORD event);

} // namespace platform::win32
