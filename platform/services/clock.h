#pragma once

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with their fraction.
    virtual float secondsSinceMidnight() = 0;
};

// The wall clock of the machine.
class SystemClock final : public Clock {
public:
    float secondsSinceMidnight() override;
};

} // namespace platform
