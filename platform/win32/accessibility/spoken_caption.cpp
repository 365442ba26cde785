#include "spoken_caption.h"

#include "platform/win32/text/text.h"
#include "platform/win32/window/controls.h"

namespace platform::win32 {

Spoken spoken(std::wstring_view caption) {
    Spoken result;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != L'&' && result.accessKey == 0) {
                result.accessKey = caption[i];
            }
        }
        result.name += caption[i];
    }
    return result;
}

Spoken spokenCaption(HWND window) {
    return spoken(widen(textOf(window)));
}

} // namespace platform::win32
