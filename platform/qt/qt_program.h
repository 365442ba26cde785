#pragma once

#include "platform/services.h"

#include <functional>

namespace platform::qt {

// Starts the Qt application with the machine's real services, then hands them to the startup
// code, which shows its first window and runs the message loop it is given.
using Startup = std::function<int(const Services& services, const std::function<int()>& loop)>;

int runProgram(const Startup& startup);

} // namespace platform::qt
