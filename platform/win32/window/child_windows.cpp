#include "child_windows.h"

#include "picture_box.h"

#include <algorithm>
#include <array>

namespace platform::win32 {

namespace {

template <typename Typed> ChildControl make(Surface& surface, HWND window) {
    auto typed = std::make_unique<Typed>(surface, window);
    Notified* notified = typed.get();
    return {std::move(typed), notified};
}

struct Entry {
    ControlKind kind;
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    ChildControl (*make)(Surface& surface, HWND window);
};

constexpr std::array childWindows{
    Entry{ControlKind::CommandButton, L"BUTTON", BS_PUSHBUTTON, 0, make<Win32CommandButton>},
    Entry{ControlKind::CheckBox, L"BUTTON", BS_AUTOCHECKBOX, 0, make<Win32CheckBox>},
    Entry{ControlKind::Label, L"STATIC", SS_LEFT, 0, make<Win32Label>},
    // In the order the items were added, at exactly the designed height.
    Entry{ControlKind::ListBox, L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
          WS_EX_CLIENTEDGE, make<Win32ListBox>},
    Entry{ControlKind::PictureBox, pictureBoxClass, 0, WS_EX_CLIENTEDGE, make<Win32PictureBox>},
};

// What the design changes of its kind's style: a default button's frame, a centred label.
DWORD designedStyle(const ControlDesign& control) {
    if (control.kind == ControlKind::CommandButton && control.defaultButton) {
        return BS_DEFPUSHBUTTON;
    }
    if (control.kind == ControlKind::Label && control.alignment == Alignment::Centre) {
        return SS_CENTER;
    }
    return 0;
}

} // namespace

std::optional<ChildKind> childKind(const ControlDesign& control) {
    const auto* entry = std::ranges::find(childWindows, control.kind, &Entry::kind);
    if (entry == childWindows.end()) {
        return std::nullopt;
    }
    // Every control that takes the focus is a group of its own: arrow keys stay inside it.
    const DWORD focusable = takesFocus(control.kind) ? WS_TABSTOP | WS_GROUP : 0U;
    return ChildKind{entry->className, focusable | entry->style | designedStyle(control),
                     entry->exStyle, entry->make};
}

} // namespace platform::win32
