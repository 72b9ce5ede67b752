#pragma once
// The clock and random source of a real run: plain C++, no window system needed.
#include <random>

#include "services/clock.h"

namespace vis {

// Wall-clock milliseconds since the epoch, so a seed taken from it differs from run to run.
class SystemClock : public Clock {
public:
    std::int64_t now_ms() const override;
};

class MersenneRandom : public Random {
public:
    void seed(std::uint64_t s) override { engine_.seed(s); }
    double next() override;

private:
    std::mt19937_64 engine_;
};

}  // namespace vis
