#pragma once

#include "platform/services/services.h"

#include <functional>

namespace platform {

// Starts the program with the machine's real services, then hands them to the startup code,
// which shows its first window and runs the message loop it is given. Each backend has one.
using Startup = std::function<int(const Services& services, const std::function<int()>& loop)>;

int runProgram(const Startup& startup);

} // namespace platform
