#include "child_windows.h"

#include "picture_box.h"

namespace platform::win32 {

std::optional<ChildKind> childKind(const ControlDesign& control) {
    // Every focusable control is a group of its own: arrow keys stay inside it.
    const DWORD focusable = WS_TABSTOP | WS_GROUP;
    switch (control.kind) {
    case ControlKind::CommandButton:
        return ChildKind{L"BUTTON",
                         focusable | static_cast<DWORD>(control.defaultButton ? BS_DEFPUSHBUTTON
                                                                              : BS_PUSHBUTTON),
                         0};
    case ControlKind::CheckBox:
        return ChildKind{L"BUTTON", focusable | BS_AUTOCHECKBOX, 0};
    case ControlKind::Label:
        return ChildKind{
            L"STATIC",
            static_cast<DWORD>(control.alignment == Alignment::Centre ? SS_CENTER : SS_LEFT), 0};
    case ControlKind::ListBox:
        // In the order the items were added, at exactly the designed height.
        return ChildKind{L"LISTBOX", focusable | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                         WS_EX_CLIENTEDGE};
    case ControlKind::PictureBox:
        return ChildKind{pictureBoxClass, focusable, WS_EX_CLIENTEDGE};
    case ControlKind::Shape:
    case ControlKind::Line:
    case ControlKind::Timer:
        break;
    }
    return std::nullopt;
}

} // namespace platform::win32
