#pragma once

#include "platform/services/message_dialog.h"
#include "platform/services/program_starter.h"
#include "platform/services/shell.h"

// The desktop's own services: one file each for the message box, the program starter and the
// shell.
namespace platform::qt {

// A box with the text, an OK button and the title, modal to the whole program.
class QtMessageDialog final : public MessageDialog {
public:
    void show(const std::string& text, const std::string& title) override;
};

// Starts the program at the path itself, detached, from the user's home folder.
class DetachedProgramStarter final : public ProgramStarter {
public:
    void start(const std::string& path) override;
};

// Opens targets the freedesktop way, with xdg-open, detached and from the user's home folder.
class DesktopShell final : public Shell {
public:
    void execute(const ShellExecuteRequest& request) override;
};

} // namespace platform::qt
