#include "platform/forms/list_index.h"

#include "platform/runtime/errors.h"

namespace platform {

bool isPastTheEnd(std::int16_t index, int count) {
    if (index < 0 || index > count) {
        throw RuntimeError(ErrorNumber::InvalidIndex, "Invalid property array index");
    }
    return index == count;
}

} // namespace platform
