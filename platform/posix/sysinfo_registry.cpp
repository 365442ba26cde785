#include "sysinfo_registry.h"

#include <algorithm>
#include <unistd.h>

namespace platform::posix {

namespace {

constexpr std::string_view toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view toolValue = "PATH";
constexpr reg::Key toolKeyHandle = 1;

} // namespace

std::optional<std::string> findSysInfoProgram(std::string_view searchPath) {
    for (const auto program : sysInfoPrograms) {
        std::string_view rest = searchPath;
        while (!rest.empty()) {
            const auto colon = rest.find(':');
            const std::string_view folder = rest.substr(0, colon);
            rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
            if (folder.empty()) {
                continue;
            }
            std::string candidate = std::string(folder) + "/" + std::string(program);
            if (::access(candidate.c_str(), X_OK) == 0) {
                return candidate;
            }
        }
    }
    return std::nullopt;
}

reg::Status SysInfoRegistry::openKey(std::uint32_t root, const std::string& path,
                                     std::uint32_t /*access*/, reg::Key& key) {
    if (root != reg::localMachine || path != toolKey) {
        return reg::fileNotFound;
    }
    tool_ = findSysInfoProgram(folders_);
    if (!tool_) {
        return reg::fileNotFound;
    }
    key = toolKeyHandle;
    return reg::success;
}

reg::Status SysInfoRegistry::queryValue(reg::Key key, const std::string& name, std::uint32_t& type,
                                        std::span<std::uint8_t> buffer, std::uint32_t& size) {
    if (key != toolKeyHandle || name != toolValue || !tool_) {
        return reg::fileNotFound;
    }
    // A REG_SZ: the text and its terminating zero.
    const std::size_t needed = tool_->size() + 1;
    if (needed > size || needed > buffer.size()) {
        return reg::moreData;
    }
    std::ranges::copy(*tool_, buffer.begin());
    buffer[tool_->size()] = 0;
    type = reg::typeString;
    size = static_cast<std::uint32_t>(needed);
    return reg::success;
}

void SysInfoRegistry::closeKey(reg::Key /*key*/) {
    tool_.reset();
}

} // namespace platform::posix
