#pragma once

#include "platform/services/shell.h"

namespace platform::qt {

// Opens targets the freedesktop way, with xdg-open, detached and from the user's home folder.
class DesktopShell final : public Shell {
public:
    void execute(const ShellExecuteRequest& request) override;
};

} // namespace platform::qt
