#pragma once

#include "platform/forms/design.h"
#include "platform/win32/support/windows_headers.h"

#include <optional>

// Which controls of a design are Win32 child windows, and of what class and style.
namespace platform::win32 {

struct ChildKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

// Nothing for shapes, lines and timers: the window paints or runs those itself.
[[nodiscard]] std::optional<ChildKind> childKind(const ControlDesign& control);

[[nodiscard]] inline bool isChildWindow(const ControlDesign& control) {
    return childKind(control).has_value();
}

} // namespace platform::win32
