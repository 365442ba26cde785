#pragma once

#include "platform/forms/controls.h"

#include <string>

namespace platform::win32 {

// The one report-and-exit point: an error message box naming the error, exit status 1.
[[noreturn]] void reportAndExit(const std::string& message);

// Runs a window's handler from the window procedure; an error that leaves it ends the program.
void invokeGuarded(const Handler& handler);

} // namespace platform::win32
