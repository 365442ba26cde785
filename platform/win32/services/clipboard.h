#pragma once

#include "platform/win32/system/windows_headers.h"

#include <string_view>

namespace platform::win32 {

// Puts the text on the clipboard as CF_UNICODETEXT, the one form the system makes the others
// from. A clipboard that another program holds open for longer than about 100 ms is left as it
// is, without a word: no copy is worth a hung window or an error box.
void putOnClipboard(HWND owner, std::wstring_view text);

} // namespace platform::win32
