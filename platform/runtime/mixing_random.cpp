#include "platform/runtime/mixing_random.h"

#include <bit>

namespace platform {

namespace {

std::uint64_t splitMix64(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30U)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27U)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31U);
}

// Keeps an integer seed and a float seed with the same bits apart.
constexpr std::uint64_t integerSeedTag = 1ULL << 32U;
constexpr std::uint64_t floatSeedTag = 2ULL << 32U;

} // namespace

void MixingRandom::mix(std::uint64_t value) {
    state_ = splitMix64(state_ ^ splitMix64(value));
}

void MixingRandom::reseed(std::int16_t seed) {
    mix(integerSeedTag | static_cast<std::uint16_t>(seed));
}

void MixingRandom::reseed(float seed) {
    mix(floatSeedTag | std::bit_cast<std::uint32_t>(seed));
}

float MixingRandom::next() {
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
    const auto xorShifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rotation = static_cast<std::uint32_t>(old >> 59U);
    const std::uint32_t output = std::rotr(xorShifted, static_cast<int>(rotation));
    // The top 24 bits fill a float's mantissa exactly: every value is k / 2^24, below 1.
    return static_cast<float>(output >> 8U) * 0x1p-24F;
}

} // namespace platform
