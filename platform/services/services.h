#pragma once

#include "platform/forms/window.h"
#include "platform/runtime/random_source.h"
#include "platform/services/clock.h"
#include "platform/services/file_system.h"
#include "platform/services/message_dialog.h"
#include "platform/services/program_starter.h"
#include "platform/services/registry.h"
#include "platform/services/shell.h"

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
