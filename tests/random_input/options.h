#pragma once

#include "basics.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace random_input {

struct Options {
    std::string program;
    std::uint64_t seed = 1;
    long events = 1000;
    int maxBurst = 20;
    int maxSeconds = 0;
    bool verbose = false;
};

inline Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                throw Failure{"option " + arg + " needs a value"};
            }
            return argv[++i];
        };
        if (arg == "--seed") {
            options.seed = std::stoull(value());
        } else if (arg == "--events") {
            options.events = std::stol(value());
        } else if (arg == "--max-burst") {
            options.maxBurst = std::max(1, std::stoi(value()));
        } else if (arg == "--max-seconds") {
            options.maxSeconds = std::stoi(value());
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (options.program.empty() && !arg.starts_with("--")) {
            options.program = arg;
        } else {
            throw Failure{"unknown argument " + arg};
        }
    }
    if (options.program.empty()) {
        throw Failure{"usage: random_input_driver PROGRAM [--seed N] [--events N] "
                      "[--max-burst N] [--max-seconds N] [--verbose]"};
    }
    return options;
}

} // namespace random_input
