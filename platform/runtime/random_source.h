#pragma once

#include <cstdint>

namespace platform {

// The random generator as the windows see it. A reseed mixes the number into the state, so two
// reseeds with the same number in a row still lead to different draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed(std::int16_t seed) = 0;
    virtual void reseed(float seed) = 0;
    // Evenly spread over [0, 1).
    virtual float next() = 0;
};

} // namespace platform
