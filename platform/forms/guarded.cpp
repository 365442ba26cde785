#include "platform/forms/guarded.h"

#include <exception>

namespace platform {

void runGuarded(const Handler& handler, void (*reportAndExit)(const std::string& message)) {
    if (!handler) {
        return;
    }
    try {
        handler();
    } catch (const std::exception& error) {
        reportAndExit(error.what());
    } catch (...) {
        reportAndExit("Unknown run-time error");
    }
}

} // namespace platform
