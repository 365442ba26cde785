#pragma once

#include "platform/forms/controls.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// A loaded window's controls by their design names: what every backend's window answers a
// lookup from, with the one error for a name it does not hold.
class ControlTable {
public:
    void add(std::string_view name, std::unique_ptr<Control> control);
    [[nodiscard]] Control& find(std::string_view name) const;
    void forEach(const std::function<void(Control&)>& visit) const;

private:
    std::map<std::string, std::unique_ptr<Control>, std::less<>> controls_;
};

} // namespace platform
