#include "services/pacer.h"

namespace vis {

Pacer::Pacer(const Clock& clock, std::int64_t every_ms) : clock_(clock), every_ms_(every_ms), last_(clock.now_ms()) {}

bool Pacer::due() {
    const std::int64_t now = clock_.now_ms();
    if (now - last_ < every_ms_) return false;
    last_ = now;
    return true;
}

}  // namespace vis
