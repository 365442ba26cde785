#include "oleaut32.h"

#include "platform/win32/system/system_library.h"

namespace platform::win32::oleaut32 {

namespace {

struct Entries {
    SystemLibrary library{L"oleaut32.dll"};
    decltype(&::SysAllocStringLen) allocString =
        library.entry<decltype(&::SysAllocStringLen)>("SysAllocStringLen");
    decltype(&::SysFreeString) freeString =
        library.entry<decltype(&::SysFreeString)>("SysFreeString");
};

const Entries& entries() {
    return loadedOnce<Entries>();
}

} // namespace

BSTR allocString(std::wstring_view text) {
    return entries().allocString(text.data(), static_cast<UINT>(text.size()));
}

void freeString(BSTR text) {
    if (text != nullptr) {
        entries().freeString(text);
    }
}

} // namespace platform::win32::oleaut32
