#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "editor/effect_steps.h"
#include "editor/effects.h"

namespace vis {

namespace {

constexpr int kMaxSum = 9 * 255;

// sum / n rounded halves to even, looked up: n is the number of pixels averaged (1 to 9).
class Quotients {
public:
    Quotients() {
        for (int n = 1; n <= 9; ++n)
            for (int sum = 0; sum <= kMaxSum; ++sum)
                table_[static_cast<std::size_t>(n)][static_cast<std::size_t>(sum)] =
                    static_cast<std::uint8_t>(std::min(effect::divide_to_even(sum, n), 255));
    }
    std::uint8_t of(unsigned sum, int n) const { return table_[static_cast<std::size_t>(n)][sum]; }

private:
    std::array<std::array<std::uint8_t, kMaxSum + 1>, 10> table_{};
};

// Nine is odd, so no average of nine pixels ends in a half: it rounds as (sum + 4) / 9, which the
// high half of a 16-bit multiply gives exactly for every sum nine pixels can reach.
constexpr std::uint8_t ninth(std::uint16_t sum) {
    const auto rounded = static_cast<std::uint16_t>(sum + 4);
    return static_cast<std::uint8_t>((std::uint32_t{rounded} * 7282u) >> 16);
}
constexpr bool ninths_exact() {
    for (int sum = 0; sum <= kMaxSum; ++sum)
        if (ninth(static_cast<std::uint16_t>(sum)) != effect::divide_to_even(sum, 9)) return false;
    return true;
}
static_assert(ninths_exact());

// Runs step(i) for i from `from` up to `to`: in runs of a fixed length, which the compiler turns
// into vector code, then the rest one at a time.
template <class Step>
void each(std::size_t from, std::size_t to, Step step) {
    constexpr std::size_t kRun = 16;
    std::size_t i = from;
    for (; i + kRun <= to; i += kRun)
        for (std::size_t k = 0; k < kRun; ++k) step(i + k);
    for (; i < to; ++i) step(i);
}

}  // namespace

// A 3 x 3 box average over the pixels as they were before the blur. Only the neighbours inside
// both the selection and the canvas count, so the border averages fewer pixels rather than
// darkening with what lies outside; any pixel with all eight inside gets the plain 3 x 3 average.
//
// Rows are worked on as their bytes, each widened to 16 bits: every component of a pixel is
// averaged alike, four bytes apart from the same component of the next pixel, so the loops are
// plain runs over short arrays that the compiler does many at a time. The fourth byte is averaged
// too, then set back to opaque.
EffectEnd blur(Canvas& canvas, const Rect& selection, const EffectPacing& pacing) {
    static const Quotients quotients;
    effect::CanvasState state(canvas, ScaleMode::pixels);
    canvas.set_draw_width(1);
    const double tpp = canvas.twips_per_pixel();
    const double top = selection.top / tpp;
    const double bottom = (selection.top + static_cast<double>(selection.height)) / tpp;
    // The rows and columns run from the rounded start to the rounded end (halves to even), cut to
    // the canvas.
    const auto clip = [](double from, double to, int size) {
        return std::pair{static_cast<int>(std::max(std::nearbyint(from), 0.0)),
                         static_cast<int>(std::min(std::nearbyint(to), size - 1.0))};
    };
    const auto [x0, x1] =
        clip(selection.left / tpp, (selection.left + static_cast<double>(selection.width)) / tpp, canvas.width_px());
    const auto [y0, y1] = clip(top, bottom, canvas.height_px());
    if (x0 > x1 || y0 > y1) return EffectEnd::completed;
    const effect::Run run(canvas, pacing);

    // The rows above, at and below the one being written, as they were: the row below is read
    // before it is written, the other two kept from the rows before. A missing neighbour row
    // reads as zeros.
    const auto w = static_cast<std::size_t>(x1 - x0 + 1);
    constexpr std::size_t kBytes = sizeof(std::uint32_t);
    const std::size_t n = kBytes * w;
    std::vector<std::uint16_t> above(n), here(n), below(n), none(n), columns(n);
    const auto bytes_of = [&](int y) { return reinterpret_cast<unsigned char*>(canvas.row(y) + x0); };
    const auto widen_row = [&](int y, std::vector<std::uint16_t>& out) {
        const unsigned char* bytes = bytes_of(y);
        each(0, n, [&](std::size_t k) { out[k] = bytes[k]; });
    };
    widen_row(y0, below);
    for (int y = y0; y <= y1; ++y) {
        if (run.stop()) return EffectEnd::stopped;
        std::swap(above, here);
        std::swap(here, below);
        if (y < y1) widen_row(y + 1, below);
        // Vertical sums of each column's bytes inside the selection.
        const int rows_in = 1 + (y > y0 ? 1 : 0) + (y < y1 ? 1 : 0);
        const std::uint16_t* a = y > y0 ? above.data() : none.data();
        const std::uint16_t* h = here.data();
        const std::uint16_t* b = y < y1 ? below.data() : none.data();
        std::uint16_t* sums = columns.data();
        each(0, n, [&](std::size_t k) { sums[k] = static_cast<std::uint16_t>(a[k] + h[k] + b[k]); });

        unsigned char* out = bytes_of(y);
        const auto across = [&](std::size_t k) {
            return static_cast<std::uint16_t>(sums[k - kBytes] + sums[k] + sums[k + kBytes]);
        };
        if (w == 1) {
            for (std::size_t k = 0; k < kBytes; ++k) out[k] = quotients.of(sums[k], rows_in);
        } else {
            // The first and last pixels have one neighbouring column inside.
            for (std::size_t k = 0; k < kBytes; ++k) {
                out[k] = quotients.of(sums[k] + sums[k + kBytes], 2 * rows_in);
                out[n - kBytes + k] = quotients.of(sums[n - 2 * kBytes + k] + sums[n - kBytes + k], 2 * rows_in);
            }
            if (rows_in == 3)
                each(kBytes, n - kBytes, [&](std::size_t k) { out[k] = ninth(across(k)); });
            else
                for (std::size_t k = kBytes; k < n - kBytes; ++k) out[k] = quotients.of(across(k), 3 * rows_in);
        }
        std::uint32_t* row = canvas.row(y) + x0;
        each(0, w, [&](std::size_t i) { row[i] |= 0xFF000000u; });
        canvas.mark(x0, y, static_cast<int>(w), 1);
        run.report(y, bottom);
    }
    return EffectEnd::completed;
}

}  // namespace vis
