#include "oleaut32.h"

#include "platform/win32/system/system_library.h"

namespace platform::win32::oleaut32 {

namespace {

struct Entries {
    SystemLibrary library{L"oleaut32.dll"};
    PRETEXTOR_ENTRY(, SysAllocStringLen);
    PRETEXTOR_ENTRY(, SysFreeString);
};

const Entries& entries() {
    return loadedOnce<Entries>();
}

} // namespace

BSTR allocString(std::wstring_view text) {
    return entries().SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

void freeString(BSTR text) {
    if (text != nullptr) {
        entries().SysFreeString(text);
    }
}

} // namespace platform::win32::oleaut32
