#pragma once

#include "platform/win32/system/windows_headers.h"

// The picture box window class: a sunken frame showing an icon, which takes the focus.
namespace platform::win32 {

inline constexpr const wchar_t* pictureBoxClass = L"PretextorPictureBox";
// Where in the window's extra bytes the icon it shows is kept; the user data is the
// accessibility subclass's.
inline constexpr int pictureSlot = 0;

[[nodiscard]] WNDCLASSEXW pictureBoxClassFor(HINSTANCE instance);

} // namespace platform::win32
