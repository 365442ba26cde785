#pragma once

#include "platform/forms/design.h"
#include "platform/win32/system/handles.h"
#include "platform/win32/system/windows_headers.h"

namespace platform::win32 {

// The icon resource of a design picture, at a size in pixels a side.
[[nodiscard]] Icon loadIcon(HINSTANCE instance, Picture picture, int size);

} // namespace platform::win32
