#pragma once

#include <string>

namespace platform {

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Starts the program at exactly this path, in a normal window with the focus, without a
    // shell and without waiting. Throws a RuntimeError when it cannot be started.
    virtual void start(const std::string& path) = 0;
};

} // namespace platform
