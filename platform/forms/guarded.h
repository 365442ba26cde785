#pragma once

#include "platform/forms/controls.h"

#include <string>

namespace platform {

// Runs a window's handler from a toolkit's event loop. An error that leaves it goes to the
// backend's report-and-exit point, which does not return.
void runGuarded(const Handler& handler, void (*reportAndExit)(const std::string& message));

} // namespace platform
