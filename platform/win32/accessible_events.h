#pragma once

#include "platform/design.h"
#include "windows_headers.h"

// The changes a screen reader must hear of.
namespace platform::win32 {

class Surface;

// The control's text was written: a screen reader reads it anew, once per write.
void announceNameChange(HWND control);

// A shape that shows progress was shown (EVENT_OBJECT_SHOW), hidden (EVENT_OBJECT_HIDE) or moved
// on (EVENT_OBJECT_VALUECHANGE). Other shapes are decoration and say nothing.
void announceProgress(const Surface& surface, const ControlDesign& shape, DWORD event);

} // namespace platform::win32
