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
    DWORD (*style)(const ControlDesign& control);
    DWORD exStyle;
    ChildControl (*make)(Surface& surface, HWND window);
};

constexpr std::array childWindows{
    Entry{ControlKind::CommandButton, L"BUTTON",
          [](const ControlDesign& control) {
              return static_cast<DWORD>(control.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
          },
          0, make<Win32CommandButton>},
    Entry{ControlKind::CheckBox, L"BUTTON",
          [](const ControlDesign& /*control*/) { return static_cast<DWORD>(BS_AUTOCHECKBOX); }, 0,
          make<Win32CheckBox>},
    Entry{ControlKind::Label, L"STATIC",
          [](const ControlDesign& control) {
              return static_cast<DWORD>(control.alignment == Alignment::Centre ? SS_CENTER
                                                                               : SS_LEFT);
          },
          0, make<Win32Label>},
    // In the order the items were added, at exactly the designed height.
    Entry{ControlKind::ListBox, L"LISTBOX",
          [](const ControlDesign& /*control*/) {
              return static_cast<DWORD>(LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL);
          },
          WS_EX_CLIENTEDGE, make<Win32ListBox>},
    Entry{ControlKind::PictureBox, pictureBoxClass,
          [](const ControlDesign& /*control*/) { return DWORD{0}; }, WS_EX_CLIENTEDGE,
          make<Win32PictureBox>},
};

} // namespace

std::optional<ChildKind> childKind(const ControlDesign& control) {
    const auto* entry = std::ranges::find(childWindows, control.kind, &Entry::kind);
    if (entry == childWindows.end()) {
        return std::nullopt;
    }
    // Every control that takes the focus is a group of its own: arrow keys stay inside it.
    const DWORD focusable = takesFocus(control.kind) ? WS_TABSTOP | WS_GROUP : 0U;
    return ChildKind{entry->className, focusable | entry->style(control), entry->exStyle,
                     entry->make};
}

} // namespace platform::win32
