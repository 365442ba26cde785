#pragma once

namespace platform {

// A base for what lives in one place: an interface held by reference, or an owner of something
// a copy would let go of twice.
class Uncopyable {
public:
    Uncopyable(const Uncopyable&) = delete;
    Uncopyable& operator=(const Uncopyable&) = delete;

protected:
    Uncopyable() = default;
    ~Uncopyable() = default;
};

} // namespace platform
