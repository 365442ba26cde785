#pragma once

#include <string>

namespace platform {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // True for a normal file only: not hidden, not a system file, not a directory.
    virtual bool normalFileExists(const std::string& path) = 0;
};

} // namespace platform
