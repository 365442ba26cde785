#include "oleaut32.h"

#include "system_library.h"

namespace platform::win32::oleaut32 {

namespace {

struct Entries {
    SystemLibrary library{L"oleaut32.dll"};
    decltype(&::SysAllocStringLen) allocString =
        library.entry<decltype(&::SysAllocStringLen)>("SysAllocStringLen");
    decltype(&::SysFreeString) freeString =
        library.entry<decltype(&::SysFreeString)>("SysFreeString");
};

// Loaded once, at first use, and kept to the end; a failed load is tried again at the next call.
const Entries& entries() {
    static const Entries loaded;
    return loaded;
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
