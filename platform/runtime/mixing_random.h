#pragma once

#include "platform/runtime/random_source.h"

#include <cstdint>

namespace platform {

// PCG32 (O'Neill's permuted congruential generator, XSH-RR output); reseeding runs the seed and
// the current state through SplitMix64 instead of replacing the state.
class MixingRandom final : public RandomSource {
public:
    void reseed(std::int16_t seed) override;
    void reseed(float seed) override;
    float next() override;

private:
    void mix(std::uint64_t value);

    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};

} // namespace platform
