#pragma once

#include "clock.h"
#include "file_system.h"
#include "message_dialog.h"
#include "program_starter.h"
#include "random_source.h"
#include "registry.h"
#include "shell.h"
#include "window.h"

namespace platform {

// Everything the windows take from the platform, handed to them at start.
struct Services {
    Toolkit& toolkit;
    Clock& clock;
    RandomSource& random;
    MessageDialog& messages;
    Shell& shell;
    ProgramStarter& programs;
    FileSystem& files;
    Registry& registry;
};

} // namespace platform
