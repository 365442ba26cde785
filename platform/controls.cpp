#include "controls.h"

#include "errors.h"

namespace platform {

std::string ListBox::item(std::int16_t index) const {
    const int items = count();
    if (index == items) {
        return {};
    }
    if (index < 0 || index > items) {
        throw RuntimeError(ErrorNumber::InvalidIndex, "Invalid property array index");
    }
    return itemText(index);
}

} // namespace platform
