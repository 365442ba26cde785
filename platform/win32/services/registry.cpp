#include "platform/runtime/code_page.h"
#include "platform/win32/system/windows_headers.h"
#include "services.h"

#include <algorithm>

namespace platform::win32 {

namespace {

// The predefined roots are 32-bit values that Windows sign-extends into 64-bit handles:
// 0x80000002 is HKEY_LOCAL_MACHINE only as 0xFFFFFFFF80000002.
HKEY rootKey(std::uint32_t root) {
    return reinterpret_cast<HKEY>(
        static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<std::int32_t>(root))));
}

} // namespace

reg::Status Win32Registry::openKey(std::uint32_t root, const std::string& path,
                                   std::uint32_t access, reg::Key& key) {
    HKEY opened = nullptr;
    const LSTATUS status =
        ::RegOpenKeyExA(rootKey(root), toSystemCodePage(path).c_str(), 0, access, &opened);
    if (status == ERROR_SUCCESS) {
        key = reinterpret_cast<reg::Key>(opened);
    }
    return status;
}

reg::Status Win32Registry::queryValue(reg::Key key, const std::string& name, std::uint32_t& type,
                                      std::span<std::uint8_t> buffer, std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD bytes = std::min<DWORD>(size, static_cast<DWORD>(buffer.size()));
    const LSTATUS status =
        ::RegQueryValueExA(reinterpret_cast<HKEY>(key), toSystemCodePage(name).c_str(), nullptr,
                           &valueType, buffer.data(), &bytes);
    if (status == ERROR_SUCCESS) {
        type = valueType;
        size = bytes;
    }
    return status;
}

void Win32Registry::closeKey(reg::Key key) {
    ::RegCloseKey(reinterpret_cast<HKEY>(key));
}

} // namespace platform::win32
