#pragma once

#include "platform/runtime/errors.h"

#include <string>

namespace platform::win32 {

// The calling thread's last Win32 error as a run-time error: what failed, and the system's words.
[[nodiscard]] RuntimeError lastError(ErrorNumber number, const std::string& what);

// Throws lastError unless ok.
void check(bool ok, const std::string& what);

} // namespace platform::win32
