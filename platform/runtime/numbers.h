#pragma once

#include <cstdint>

// The number rules the windows rely on, written once: rounding with halves to the even
// neighbour, the checked 16-bit conversion, the floating-point status test and the list index.
namespace platform {

[[nodiscard]] float roundHalfEven(float value);
[[nodiscard]] double roundHalfEven(double value);

// Rounds with halves to even; throws the overflow error outside -32768..32767 (and for NaN).
[[nodiscard]] std::int16_t toInt16(double value);

// Multiplies and tests the floating-point status afterwards; an invalid operation, a division by
// zero or an overflow throws the floating-point error.
[[nodiscard]] float multiplyChecked(float a, float b);
[[nodiscard]] double multiplyChecked(double a, double b);

// The list lookup rule: true for the index one past the last item, which reads as the empty
// string; false for the index of an item. Any other index throws the invalid-index error.
[[nodiscard]] bool isPastTheEnd(std::int16_t index, int count);

} // namespace platform
