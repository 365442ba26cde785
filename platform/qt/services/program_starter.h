#pragma once

#include "platform/services/program_starter.h"

namespace platform::qt {

// Starts the program at the path itself, detached, from the user's home folder.
class DetachedProgramStarter final : public ProgramStarter {
public:
    void start(const std::string& path) override;
};

} // namespace platform::qt
