#pragma once

#include "platform/services/message_dialog.h"
#include "platform/services/program_starter.h"
#include "platform/services/shell.h"

namespace platform::qt {

class QtMessageDialog final : public MessageDialog {
public:
    void show(const std::string& text, const std::string& title) override;
};

// Opens targets the freedesktop way, with xdg-open, detached and from the user's home folder.
class DesktopShell final : public Shell {
public:
    void execute(const ShellExecuteRequest& request) override;
};

class DetachedProgramStarter final : public ProgramStarter {
public:
    void start(const std::string& path) override;
};

} // namespace platform::qt
