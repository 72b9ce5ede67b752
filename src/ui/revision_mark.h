#pragma once
// Redraw by revision: a view shows a model again only once the model's revision (or a serial such
// as a raise, a focus or a restart of a countdown) has moved on since the view last acted on it.
#include <cstdint>

namespace vis {

class RevisionMark {
public:
    // True when `revision` is not the one acted on last, which it now is.
    bool moved_on(std::uint64_t revision) {
        if (revision == acted_on_) return false;
        acted_on_ = revision;
        return true;
    }
    // Whatever revision comes next is acted on (the view must show everything again). Models count
    // from 1 and serials from 0, and neither has been acted on at first.
    void forget() { acted_on_ = kNone; }

private:
    static constexpr std::uint64_t kNone = ~std::uint64_t{0};
    std::uint64_t acted_on_ = 0;
};

}  // namespace vis
