#pragma once

#include "platform/forms/controls.h"

#include <string>

namespace platform::qt {

// The one report-and-exit point: a message box naming the error, the same line on standard
// error, exit status 1.
[[noreturn]] void reportAndExit(const std::string& message);

// Runs a window's handler from the toolkit's event loop; an error that leaves it ends the program.
void invokeGuarded(const Handler& handler);

} // namespace platform::qt
