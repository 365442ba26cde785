#include "roles.h"

#include "platform/win32/window/child_windows.h"

#include <algorithm>

namespace platform::win32 {

LONG roleOf(const ControlDesign& control) {
    switch (control.kind) {
    case ControlKind::CommandButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case ControlKind::CheckBox:
        return ROLE_SYSTEM_CHECKBUTTON;
    case ControlKind::Label:
        return isLink(control) ? ROLE_SYSTEM_LINK : ROLE_SYSTEM_STATICTEXT;
    case ControlKind::ListBox:
        return ROLE_SYSTEM_LIST;
    case ControlKind::PictureBox:
        return ROLE_SYSTEM_GRAPHIC;
    case ControlKind::Shape:
        return isProgressBar(control) ? ROLE_SYSTEM_PROGRESSBAR : ROLE_SYSTEM_GRAPHIC;
    case ControlKind::Line:
        return ROLE_SYSTEM_SEPARATOR;
    case ControlKind::Timer:
        break;
    }
    return ROLE_SYSTEM_CLIENT;
}

LONG childWindowCount(const WindowDesign& design) {
    return static_cast<LONG>(std::ranges::count_if(design.controls, isChildWindow));
}

LONG progressId(const WindowDesign& design, const ControlDesign& shape) {
    LONG id = childWindowCount(design);
    for (const ControlDesign& control : design.controls) {
        id += isProgressBar(control) ? 1 : 0;
        if (&control == &shape) {
            return id;
        }
    }
    return CHILDID_SELF;
}

} // namespace platform::win32
