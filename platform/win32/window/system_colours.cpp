#include "system_colours.h"

namespace platform::win32 {

ThemeColours systemColours() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    const bool high =
        ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) != FALSE &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return {.face = ::GetSysColor(COLOR_BTNFACE),
            .text = ::GetSysColor(COLOR_BTNTEXT),
            .window = ::GetSysColor(COLOR_WINDOW),
            .windowText = ::GetSysColor(COLOR_WINDOWTEXT),
            .link = ::GetSysColor(COLOR_HOTLIGHT),
            .highlight = ::GetSysColor(COLOR_HIGHLIGHT),
            .lineDark = ::GetSysColor(COLOR_3DSHADOW),
            .lineLight = ::GetSysColor(COLOR_3DHILIGHT),
            .highContrast = high};
}

HBRUSH groundBrush(Colour face) {
    // The ground is the face, the window colour or white.
    for (const int index : {COLOR_BTNFACE, COLOR_WINDOW}) {
        if (::GetSysColor(index) == face) {
            return ::GetSysColorBrush(index);
        }
    }
    return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
}

} // namespace platform::win32
