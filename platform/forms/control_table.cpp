#include "platform/forms/control_table.h"

#include "platform/runtime/errors.h"

namespace platform {

void ControlTable::add(std::string_view name, std::unique_ptr<Control> control) {
    controls_.emplace(std::string(name), std::move(control));
}

Control& ControlTable::find(std::string_view name) const {
    const auto it = controls_.find(name);
    if (it == controls_.end()) {
        throw RuntimeError(ErrorNumber::ControlFailure, "No control named " + std::string(name));
    }
    return *it->second;
}

void ControlTable::forEach(const std::function<void(Control&)>& visit) const {
    for (const auto& [name, control] : controls_) {
        visit(*control);
    }
}

} // namespace platform
