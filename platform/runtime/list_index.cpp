#include "platform/runtime/list_index.h"

#include "platform/runtime/errors.h"

namespace platform {

bool isPastTheEnd(std::int16_t index, int count) {
    if (index < 0 || index > count) {
        throw invalidIndexError();
    }
    return index == count;
}

} // namespace platform
