#pragma once
// Long loops (effects, album builds, bulk runs) let pending events run now and then so the window
// stays responsive and a break button works. Asking the pacer costs a clock read; it says yes
// once every few milliseconds, not at every iteration.
#include <cstdint>

#include "services/clock.h"

namespace vis {

class Pacer {
public:
    static constexpr std::int64_t kDefaultEveryMs = 15;
    explicit Pacer(const Clock& clock, std::int64_t every_ms = kDefaultEveryMs);
    // True when `every_ms` have passed since the last yes (or since the pacer was made).
    bool due();

private:
    const Clock& clock_;
    std::int64_t every_ms_;
    std::int64_t last_;
};

}  // namespace vis
