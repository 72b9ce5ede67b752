#include <array>
#include <cmath>
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
    std::uint32_t pixel(std::uint64_t sums, int n) const {
        const auto& q = table_[static_cast<std::size_t>(n)];
        return 0xFF000000u | std::uint32_t{q[static_cast<std::size_t>(effect::lane(sums, 2))]} << 16 |
               std::uint32_t{q[static_cast<std::size_t>(effect::lane(sums, 1))]} << 8 |
               q[static_cast<std::size_t>(effect::lane(sums, 0))];
    }

private:
    std::array<std::array<std::uint8_t, kMaxSum + 1>, 10> table_{};
};

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

    // The rows above, at and below the one being written, as they were, spread into lanes: the
    // row below is read before it is written, the other two kept from the rows before.
    const auto w = static_cast<std::size_t>(x1 - x0 + 1);
    std::vector<std::uint64_t> above(w), here(w), below(w), columns(w);
    const auto spread_row = [&](int y, std::vector<std::uint64_t>& out) {
        const std::uint32_t* pixels = canvas.row(y) + x0;
        for (std::size_t i = 0; i < w; ++i) out[i] = effect::spread(pixels[i]);
    };
    spread_row(y0, below);
    for (int y = y0; y <= y1; ++y) {
        if (effect::stop_asked(pacing)) return EffectEnd::stopped;
        std::swap(above, here);
        std::swap(here, below);
        if (y < y1) spread_row(y + 1, below);
        // Vertical sums of each column's pixels inside the selection.
        const int rows_in = 1 + (y > y0 ? 1 : 0) + (y < y1 ? 1 : 0);
        for (std::size_t i = 0; i < w; ++i) columns[i] = here[i] + (y > y0 ? above[i] : 0) + (y < y1 ? below[i] : 0);
        std::uint32_t* row = canvas.row(y) + x0;
        if (w == 1) {
            row[0] = quotients.pixel(columns[0], rows_in);
        } else {
            row[0] = quotients.pixel(columns[0] + columns[1], 2 * rows_in);
            for (std::size_t i = 1; i + 1 < w; ++i)
                row[i] = quotients.pixel(columns[i - 1] + columns[i] + columns[i + 1], 3 * rows_in);
            row[w - 1] = quotients.pixel(columns[w - 2] + columns[w - 1], 2 * rows_in);
        }
        canvas.mark(x0, y, static_cast<int>(w), 1);
        effect::report(pacing, y, bottom);
    }
    return EffectEnd::completed;
}

}  // namespace vis
