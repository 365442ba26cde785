#pragma once

#include "platform/forms/design.h"
#include "platform/win32/system/windows_headers.h"

#include <oleacc.h>

// What the design tells a screen reader about a control: its role, and where the form lists it.
namespace platform::win32 {

[[nodiscard]] LONG roleOf(const ControlDesign& control);

// The form lists its child windows first, then the shapes that show progress, in design order.
[[nodiscard]] LONG childWindowCount(const WindowDesign& design);
[[nodiscard]] LONG progressId(const WindowDesign& design, const ControlDesign& shape);

} // namespace platform::win32
