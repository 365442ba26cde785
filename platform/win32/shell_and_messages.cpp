#include "platform/code_page.h"
#include "win32_services.h"
#include "windows_headers.h"

#include <shellapi.h>

namespace platform::win32 {

namespace {

const char* optional(const std::optional<std::string>& text, std::string& storage) {
    if (!text) {
        return nullptr;
    }
    storage = toSystemCodePage(*text);
    return storage.c_str();
}

} // namespace

void Win32MessageDialog::show(const std::string& text, const std::string& title) {
    // Owned by the window whose button asked, so that the focus goes back to it afterwards;
    // task-modal, so that every window of the program waits for the answer.
    ::MessageBoxA(::GetActiveWindow(), toSystemCodePage(text).c_str(),
                  toSystemCodePage(title).c_str(), MB_OK | MB_TASKMODAL);
}

void Win32Shell::execute(const ShellExecuteRequest& request) {
    std::string verb;
    std::string parameters;
    const std::string file = toSystemCodePage(request.file);
    const std::string directory = toSystemCodePage(request.directory);
    // A refusal is not reported: the result is dropped, as the caller expects.
    static_cast<void>(::ShellExecuteA(
        reinterpret_cast<HWND>(request.owner), optional(request.verb, verb), file.c_str(),
        optional(request.parameters, parameters), directory.c_str(), request.showCommand));
}

} // namespace platform::win32
