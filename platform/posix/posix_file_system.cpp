#include "posix_file_system.h"

#include <filesystem>
#include <system_error>

namespace platform::posix {

bool PosixFileSystem::normalFileExists(const std::string& path) {
    const std::filesystem::path file(path);
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    const std::string name = file.filename().string();
    return !error && std::filesystem::is_regular_file(status) && !name.empty() &&
           name.front() != '.';
}

} // namespace platform::posix
