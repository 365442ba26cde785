#include "fatal.h"

#include "platform/app_info.h"
#include "platform/forms/guarded.h"
#include "text.h"
#include "windows_headers.h"

#include <cstdio>
#include <cstdlib>

namespace platform::win32 {

void reportAndExit(const std::string& message) {
    std::fprintf(stderr, "pretextor: %s\n", message.c_str());
    std::fflush(stderr);
    ::MessageBoxW(nullptr, widen(message).c_str(), widen(app::title).c_str(),
                  MB_OK | MB_ICONERROR | MB_TASKMODAL);
    std::exit(1);
}

void invokeGuarded(const Handler& handler) {
    runGuarded(handler, reportAndExit);
}

} // namespace platform::win32
