#pragma once

#include "platform/services/file_system.h"
#include "platform/services/message_dialog.h"
#include "platform/services/program_starter.h"
#include "platform/services/registry.h"
#include "platform/services/shell.h"

// The machine's own services, through the ANSI calls and the system code page: one file each for
// the shell, the message box, the registry, the program starter, the file system and the
// clipboard.
namespace platform::win32 {

class Win32MessageDialog final : public MessageDialog {
public:
    void show(const std::string& text, const std::string& title) override;
};

class Win32Shell final : public Shell {
public:
    void execute(const ShellExecuteRequest& request) override;
};

class Win32ProgramStarter final : public ProgramStarter {
public:
    void start(const std::string& path) override;
};

class Win32FileSystem final : public FileSystem {
public:
    bool normalFileExists(const std::string& path) override;
};

class Win32Registry final : public Registry {
public:
    reg::Status openKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                        reg::Key& key) override;
    reg::Status queryValue(reg::Key key, const std::string& name, std::uint32_t& type,
                           std::span<std::uint8_t> buffer, std::uint32_t& size) override;
    void closeKey(reg::Key key) override;
};

} // namespace platform::win32
