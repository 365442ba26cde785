#include "program_icons.h"

#include "resources/resource_ids.h"

namespace platform::win32 {

namespace {

int resourceOf(Picture picture) {
    return picture == Picture::AboutPicture ? PRETEXTOR_ICON_ABOUT : PRETEXTOR_ICON_PROGRAM;
}

} // namespace

Icon loadIcon(HINSTANCE instance, Picture picture, int size) {
    return Icon(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(resourceOf(picture)),
                                                IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

} // namespace platform::win32
