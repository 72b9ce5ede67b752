#include "services/system_clock.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace vis {

std::int64_t SystemClock::now_ms() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

double MersenneRandom::next() {
    // generate_canonical may round up to 1.0 on some libraries; the caller needs [0, 1).
    const double v = std::generate_canonical<double, 53>(engine_);
    return std::min(v, std::nextafter(1.0, 0.0));
}

}  // namespace vis
