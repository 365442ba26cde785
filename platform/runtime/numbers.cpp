#include "platform/runtime/numbers.h"

#include "platform/runtime/errors.h"

#include <cfenv>
#include <cmath>

namespace platform {

namespace {

// nearbyint rounds in the current mode; pin it so a caller's mode can never leak in.
template <typename T> T roundToEven(T value) {
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const T rounded = std::nearbyint(value);
    std::fesetround(saved);
    return rounded;
}

template <typename T> T checkedProduct(T a, T b) {
    std::feclearexcept(FE_ALL_EXCEPT);
    // volatile keeps the multiplication between the clear and the test.
    volatile T left = a;
    volatile T right = b;
    volatile T product = left * right;
    if (std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW) != 0) {
        throw floatingPointError();
    }
    return product;
}

} // namespace

float roundHalfEven(float value) {
    return roundToEven(value);
}

double roundHalfEven(double value) {
    return roundToEven(value);
}

std::int16_t toInt16(double value) {
    const double rounded = roundToEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        throw overflowError();
    }
    return static_cast<std::int16_t>(rounded);
}

float multiplyChecked(float a, float b) {
    return checkedProduct(a, b);
}

double multiplyChecked(double a, double b) {
    return checkedProduct(a, b);
}

bool isPastTheEnd(std::int16_t index, int count) {
    if (index < 0 || index > count) {
        throw invalidIndexError();
    }
    return index == count;
}

} // namespace platform
