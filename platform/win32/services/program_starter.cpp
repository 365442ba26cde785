#include "platform/runtime/code_page.h"
#include "platform/win32/system/handles.h"
#include "platform/win32/system/last_error.h"
#include "services.h"

#include <vector>

namespace platform::win32 {

void Win32ProgramStarter::start(const std::string& path) {
    const std::string program = toSystemCodePage(path);
    // The program is named by lpApplicationName alone, so no part of a path with spaces can be
    // taken for another program; the command line only repeats it, quoted, as its argv[0].
    std::string quoted = "\"" + program + "\"";
    std::vector<char> commandLine(quoted.begin(), quoted.end());
    commandLine.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (program.empty() ||
        ::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         nullptr, &startup, &started) == FALSE) {
        throw lastError(ErrorNumber::FileNotFound, "File not found: " + path);
    }
    const KernelHandle process(started.hProcess);
    const KernelHandle thread(started.hThread);
}

} // namespace platform::win32
