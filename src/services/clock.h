#pragma once
#include <cstdint>

namespace vis {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; used to seed the random source.
    virtual std::int64_t now_ms() const = 0;
};

class Random {
public:
    virtual ~Random() = default;
    virtual void seed(std::uint64_t s) = 0;
    // A number in [0, 1).
    virtual double next() = 0;
};

}  // namespace vis
