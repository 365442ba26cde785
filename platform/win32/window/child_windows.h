#pragma once

#include "controls.h"
#include "platform/forms/design.h"
#include "platform/win32/system/windows_headers.h"

#include <memory>
#include <optional>

// Which controls of a design are Win32 child windows, of what class and style, and which of our
// controls stands for each.
namespace platform::win32 {

// A control over a child window, and the part of it that hears the child's notifications.
struct ChildControl {
    std::unique_ptr<Control> control;
    Notified* notified;
};

struct ChildKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    ChildControl (*make)(Surface& surface, HWND window);
};

// Nothing for shapes, lines and timers: the window paints or runs those itself.
[[nodiscard]] std::optional<ChildKind> childKind(const ControlDesign& control);

[[nodiscard]] inline bool isChildWindow(const ControlDesign& control) {
    return childKind(control).has_value();
}

} // namespace platform::win32
