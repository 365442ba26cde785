#pragma once

#include "platform/forms/colour_rule.h"
#include "platform/win32/system/windows_headers.h"

namespace platform::win32 {

// The system's colours by role, and whether the user asked for high contrast.
[[nodiscard]] ThemeColours systemColours();

// A brush of the system's in the colour behind a window or label, which it need not release.
[[nodiscard]] HBRUSH groundBrush(Colour face);

} // namespace platform::win32
