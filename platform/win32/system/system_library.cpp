#include "system_library.h"

#include "last_error.h"
#include "platform/win32/text/text.h"

namespace platform::win32 {

SystemLibrary::SystemLibrary(const wchar_t* name)
    : name_(narrow(name)), module_(::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    if (!module_) {
        throw lastError(ErrorNumber::ControlFailure,
                        "Loading " + name_ + " from the system folder");
    }
}

FARPROC SystemLibrary::find(const char* name) const {
    return ::GetProcAddress(module_.get(), name);
}

FARPROC SystemLibrary::address(const char* name) const {
    const FARPROC found = find(name);
    if (found == nullptr) {
        throw lastError(ErrorNumber::ControlFailure, name_ + " has no entry point " + name);
    }
    return found;
}

} // namespace platform::win32
