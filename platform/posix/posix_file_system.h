#pragma once

#include "platform/services/file_system.h"

namespace platform::posix {

// A normal file is a regular file whose name does not start with a dot (hidden).
class PosixFileSystem final : public FileSystem {
public:
    bool normalFileExists(const std::string& path) override;
};

} // namespace platform::posix
