#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// One request to open a target with the user's default handler, argument for argument as the
// Windows shell takes it.
struct ShellExecuteRequest {
    std::intptr_t owner = 0;
    std::optional<std::string> verb;
    std::string file;
    std::optional<std::string> parameters;
    std::string directory;
    int showCommand = 1;

    friend bool operator==(const ShellExecuteRequest&, const ShellExecuteRequest&) = default;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Starts the handler and returns without waiting; a refusal is not reported.
    virtual void execute(const ShellExecuteRequest& request) = 0;
};

} // namespace platform
