#include "fatal.h"

#include "platform/app_info.h"
#include "platform/forms/guarded.h"
#include "platform/runtime/errors.h"
#include "platform/win32/system/windows_headers.h"
#include "platform/win32/text/text.h"

#include <cstdlib>

namespace platform::win32 {

void reportAndExit(const std::string& message) {
    writeReportLine(message);
    ::MessageBoxW(nullptr, widen(message).c_str(), widen(app::title).c_str(),
                  MB_OK | MB_ICONERROR | MB_TASKMODAL);
    std::exit(1);
}

void invokeGuarded(const Handler& handler) {
    runGuarded(handler, reportAndExit);
}

} // namespace platform::win32
