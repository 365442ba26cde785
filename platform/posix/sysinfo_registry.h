#pragma once

#include "platform/services/registry.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::posix {

// Linux has no registry. This read-only stand-in answers the one question the About box asks
// of it, the path of the system information tool, with the first of these that is installed:
inline constexpr std::string_view sysInfoPrograms[] = {
    "hardinfo",             // HardInfo: hardware, operating system and benchmarks
    "kinfocenter",          // KDE's Info Center
    "lshw-gtk",             // the lshw hardware lister's GTK front end
    "gnome-system-monitor", // GNOME's System Monitor
};

// Where the system's package manager and its administrator put programs. The user's PATH is not
// asked: a folder early on it could hand the About box any program under one of those names.
inline constexpr std::string_view systemProgramFolders = "/usr/local/bin:/usr/bin:/bin";

// The full path of the first of those in these folders (separated by colons), or nothing.
[[nodiscard]] std::optional<std::string> findSysInfoProgram(std::string_view searchPath);

class SysInfoRegistry final : public Registry {
public:
    // Looks in the system's folders; a test names folders of its own.
    explicit SysInfoRegistry(std::string folders = std::string(systemProgramFolders))
        : folders_(std::move(folders)) {}

    reg::Status openKey(std::uint32_t root, const std::string& path, std::uint32_t access,
                        reg::Key& key) override;
    reg::Status queryValue(reg::Key key, const std::string& name, std::uint32_t& type,
                           std::span<std::uint8_t> buffer, std::uint32_t& size) override;
    void closeKey(reg::Key key) override;

private:
    std::string folders_;
    std::optional<std::string> tool_;
};

} // namespace platform::posix
