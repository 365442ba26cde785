#include "platform/runtime/code_page.h"
#include "platform/win32/system/windows_headers.h"
#include "services.h"

namespace platform::win32 {

bool Win32FileSystem::normalFileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(toSystemCodePage(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    return (attributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

} // namespace platform::win32
