#pragma once

#include <cstdint>

namespace platform {

// The list lookup rule: true for the index one past the last item, which reads as the empty
// string; false for the index of an item. Any other index throws the invalid-index error.
[[nodiscard]] bool isPastTheEnd(std::int16_t index, int count);

} // namespace platform
