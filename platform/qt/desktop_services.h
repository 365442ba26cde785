#pragma once

#include "platform/message_dialog.h"
#include "platform/program_starter.h"
#include "platform/shell.h"

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
