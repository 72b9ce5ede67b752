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
    std::uint32_t pixel(unsigned r, unsigned g, unsigned b, int n) const {
        const auto& q = table_[static_cast<std::size_t>(n)];
        return 0xFF000000u | std::uint32_t{q[r]} << 16 | std::uint32_t{q[g]} << 8 | q[b];
    }

private:
    std::array<std::array<std::uint8_t, kMaxSum + 1>, 10> table_{};
};

// Nine is odd, so no average of nine pixels ends in a half: it rounds as (sum + 4) / 9, which a
// multiply and a shift give exactly for every sum nine pixels can reach.
constexpr std::uint32_t ninth(std::uint32_t sum) {
    return ((sum + 4) * 7282u) >> 16;
}
constexpr bool ninths_exact() {
    for (int sum = 0; sum <= kMaxSum; ++sum)
        if (ninth(static_cast<std::uint32_t>(sum)) != static_cast<std::uint32_t>(effect::divide_to_even(sum, 9)))
            return false;
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

    // The rows above, at and below the one being written, as they were, each as three planes of
    // red, green and blue: the row below is read before it is written, the other two kept from
    // the rows before. A missing neighbour row reads as zeros.
    const auto w = static_cast<std::size_t>(x1 - x0 + 1);
    std::vector<std::uint16_t> above(3 * w), here(3 * w), below(3 * w), none(3 * w), columns(3 * w);
    const auto spread_row = [&](int y, std::vector<std::uint16_t>& out) {
        const std::uint32_t* pixels = canvas.row(y) + x0;
        std::uint16_t* r = out.data();
        std::uint16_t* g = r + w;
        std::uint16_t* b = g + w;
        each(0, w, [&](std::size_t i) {
            r[i] = static_cast<std::uint16_t>((pixels[i] >> 16) & 0xFFu);
            g[i] = static_cast<std::uint16_t>((pixels[i] >> 8) & 0xFFu);
            b[i] = static_cast<std::uint16_t>(pixels[i] & 0xFFu);
        });
    };
    spread_row(y0, below);
    for (int y = y0; y <= y1; ++y) {
        if (effect::stop_asked(pacing)) return EffectEnd::stopped;
        std::swap(above, here);
        std::swap(here, below);
        if (y < y1) spread_row(y + 1, below);
        // Vertical sums of each column's pixels inside the selection, plane by plane.
        const int rows_in = 1 + (y > y0 ? 1 : 0) + (y < y1 ? 1 : 0);
        const std::uint16_t* a = y > y0 ? above.data() : none.data();
        const std::uint16_t* h = here.data();
        const std::uint16_t* b = y < y1 ? below.data() : none.data();
        std::uint16_t* sums = columns.data();
        each(0, 3 * w, [&](std::size_t k) { sums[k] = static_cast<std::uint16_t>(a[k] + h[k] + b[k]); });

        const std::uint16_t* red = sums;
        const std::uint16_t* green = red + w;
        const std::uint16_t* blue = green + w;
        const auto across = [&](const std::uint16_t* plane, std::size_t i) {
            return static_cast<unsigned>(plane[i - 1] + plane[i] + plane[i + 1]);
        };
        std::uint32_t* row = canvas.row(y) + x0;
        if (w == 1) {
            row[0] = quotients.pixel(red[0], green[0], blue[0], rows_in);
        } else {
            row[0] = quotients.pixel(red[0] + red[1], green[0] + green[1], blue[0] + blue[1], 2 * rows_in);
            if (rows_in == 3) {
                each(1, w - 1, [&](std::size_t i) {
                    row[i] = 0xFF000000u | ninth(across(red, i)) << 16 | ninth(across(green, i)) << 8 |
                             ninth(across(blue, i));
                });
            } else {
                for (std::size_t i = 1; i + 1 < w; ++i)
                    row[i] = quotients.pixel(across(red, i), across(green, i), across(blue, i), 3 * rows_in);
            }
            const std::size_t e = w - 1;
            row[e] = quotients.pixel(red[e - 1] + red[e], green[e - 1] + green[e], blue[e - 1] + blue[e], 2 * rows_in);
        }
        canvas.mark(x0, y, static_cast<int>(w), 1);
        effect::report(pacing, y, bottom);
    }
    return EffectEnd::completed;
}

}  // namespace vis
