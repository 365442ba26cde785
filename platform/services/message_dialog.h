#pragma once

#include <string>

namespace platform {

class MessageDialog {
public:
    virtual ~MessageDialog() = default;
    // OK button only, no icon; modal to the program until dismissed.
    virtual void show(const std::string& text, const std::string& title) = 0;
};

} // namespace platform
