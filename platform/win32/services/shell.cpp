#include "platform/runtime/code_page.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/windows_headers.h"
#include "services.h"

#include <shellapi.h>

namespace platform::win32 {

namespace {

// shell32 is loaded when a link is first opened: a start does without it and the libraries it
// brings.
struct Shell32 {
    SystemLibrary library{L"shell32.dll"};
    PRETEXTOR_ENTRY(, ShellExecuteA);
};

const char* optional(const std::optional<std::string>& text, std::string& storage) {
    if (!text) {
        return nullptr;
    }
    storage = toSystemCodePage(*text);
    return storage.c_str();
}

} // namespace

void Win32Shell::execute(const ShellExecuteRequest& request) {
    std::string verb;
    std::string parameters;
    const std::string file = toSystemCodePage(request.file);
    const std::string directory = toSystemCodePage(request.directory);
    // A refusal is not reported: the result is dropped, as the caller expects.
    static_cast<void>(loadedOnce<Shell32>().ShellExecuteA(
        reinterpret_cast<HWND>(request.owner), optional(request.verb, verb), file.c_str(),
        optional(request.parameters, parameters), directory.c_str(), request.showCommand));
}

} // namespace platform::win32
