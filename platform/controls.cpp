#include "controls.h"

#include "list_index.h"

namespace platform {

std::string ListBox::item(std::int16_t index) const {
    return isPastTheEnd(index, count()) ? std::string() : itemText(index);
}

} // namespace platform
