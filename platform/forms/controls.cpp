#include "platform/forms/controls.h"

#include "platform/runtime/numbers.h"

namespace platform {

bool canBeClicked(const Control& control) {
    return control.visible() && control.takesInput();
}

const Handler& ClickHandler::forClickOn(const Control& control) const {
    static const Handler dropped;
    return canBeClicked(control) ? handler_ : dropped;
}

std::string ListBox::item(std::int16_t index) const {
    return isPastTheEnd(index, count()) ? std::string() : itemText(index);
}

} // namespace platform
