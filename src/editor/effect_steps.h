#pragma once
// Pieces the four effects share: the canvas state they borrow, rounding, progress, and the part
// of a loop that can touch the canvas at all.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "editor/canvas.h"
#include "editor/effects.h"

namespace vis::effect {

// Borrows the canvas for an effect and gives back its scale mode and pen width when done, by
// whatever way the effect ends.
class CanvasState {
public:
    CanvasState(Canvas& canvas, ScaleMode mode)
        : canvas_(canvas), mode_(canvas.scale_mode()), width_(canvas.draw_width()) {
        canvas.set_scale_mode(mode);
    }
    ~CanvasState() {
        canvas_.set_scale_mode(mode_);
        canvas_.set_draw_width(width_);
    }
    CanvasState(const CanvasState&) = delete;
    CanvasState& operator=(const CanvasState&) = delete;

private:
    Canvas& canvas_;
    ScaleMode mode_;
    int width_;
};

// One run's talk with its caller. Events that run while the caller is asked may give the canvas
// another picture: the run then ends at once and writes nothing more, since its rows and columns
// were worked out for the old one.
class Run {
public:
    Run(const Canvas& canvas, const EffectPacing& pacing)
        : canvas_(canvas), pacing_(pacing), picture_(canvas.picture_count()) {}

    bool stop() const { return (pacing_.keep_going && !pacing_.keep_going()) || replaced(); }
    bool replaced() const { return canvas_.picture_count() != picture_; }
    // Int(100 * done / end), kept on the bar.
    void report(double done, double end) const {
        if (!pacing_.progress) return;
        const double percent = end > 0 ? std::floor(100.0 * done / end) : 100.0;
        pacing_.progress(static_cast<int>(std::clamp(percent, 0.0, 100.0)));
    }

private:
    const Canvas& canvas_;
    const EffectPacing& pacing_;
    std::uint64_t picture_;
};

// sum / n rounded to the nearest whole number, halves to even; n > 0. Unsigned, so a power of
// two divides by shifts.
constexpr int divide_to_even(std::uint64_t sum, std::uint64_t n) {
    const std::uint64_t q = sum / n;
    const std::uint64_t twice_rest = 2 * (sum % n);
    // Without branches: over random pictures they would go either way.
    return static_cast<int>(q + ((twice_rest > n) | ((twice_rest == n) & (q % 2 == 1))));
}

// Components above 255 count as 255, as the buffer's 0xFFRRGGBB pixel.
inline std::uint32_t pixel_of(int r, int g, int b) {
    return 0xFF000000u | static_cast<std::uint32_t>(std::min(r, 255)) << 16 |
           static_cast<std::uint32_t>(std::min(g, 255)) << 8 | static_cast<std::uint32_t>(std::min(b, 255));
}

// A loop "for v = start to end step s" as the steps k = 0..last (v = start + k * s, s > 0), cut
// down to the steps whose value may lie in [lo, hi]: with a step to spare at each end, since
// steps beyond the canvas change nothing whether they run or not. first > last when none do.
struct Steps {
    std::int64_t first = 0;
    std::int64_t last = -1;
};

inline Steps steps_within(double start, double end, double step, double lo, double hi) {
    if (!(end >= start)) return {};
    constexpr double kMost = 4e9;  // more steps than any canvas has pixels in a row
    const double last = std::min(std::floor((end - start) / step + 1e-9), kMost);
    const double first = std::max(std::floor((lo - start) / step) - 1, 0.0);
    const double cut = std::min(std::ceil((hi - start) / step) + 1, last);
    if (first > cut) return {};
    return {static_cast<std::int64_t>(first), static_cast<std::int64_t>(cut)};
}

// The values "for v = start to end step 1" takes that fall on a pixel of the canvas, with the
// pixel each falls on (the canvas's own rounding in its current scale mode).
struct PixelStep {
    double value;
    int pixel;
};
inline std::vector<PixelStep> pixel_steps(const Canvas& canvas, double start, double end, int size) {
    std::vector<PixelStep> out;
    const Steps steps = steps_within(start, end, 1, 0, size);
    for (auto k = steps.first; k <= steps.last; ++k) {
        const double v = start + static_cast<double>(k);
        const double px = canvas.to_px(v);
        if (px >= 0 && px < size) out.push_back({v, static_cast<int>(px)});
    }
    return out;
}

// The loops of monochrome and negative over the selection in pixels, both ends included, column
// by column: each pixel on the canvas becomes change(pixel). A column's pixels lie a row apart
// in memory, so the columns go in bands of kBand, each band row by row; a stop is asked for
// before each band, and progress follows each band's last column.
inline constexpr std::size_t kBand = 64;

template <class Change>
EffectEnd each_pixel_by_columns(Canvas& canvas, const Rect& selection, const EffectPacing& pacing, Change change) {
    CanvasState state(canvas, ScaleMode::pixels);
    canvas.set_draw_width(1);
    const double tpp = canvas.twips_per_pixel();
    const double left = selection.left / tpp, top = selection.top / tpp;
    const double right = left + selection.width / tpp, bottom = top + selection.height / tpp;
    const std::vector<PixelStep> rows = pixel_steps(canvas, top, bottom, canvas.height_px());
    const std::vector<PixelStep> columns = pixel_steps(canvas, left, right, canvas.width_px());
    if (rows.empty()) return EffectEnd::completed;
    const Run run(canvas, pacing);
    const int first_row = rows.front().pixel, row_count = rows.back().pixel - first_row + 1;
    for (std::size_t band = 0; band < columns.size(); band += kBand) {
        if (run.stop()) return EffectEnd::stopped;
        const std::size_t end = std::min(band + kBand, columns.size());
        const int from = columns[band].pixel, to = columns[end - 1].pixel;
        // Steps of one always land on neighbouring pixels; the general case is kept for safety.
        const bool adjacent = to - from == static_cast<int>(end - band) - 1;
        for (const PixelStep& row : rows) {
            std::uint32_t* pixels = canvas.row(row.pixel);
            if (adjacent) {
                for (int x = from; x <= to; ++x) pixels[x] = change(pixels[x]);
            } else {
                for (std::size_t k = band; k < end; ++k) pixels[columns[k].pixel] = change(pixels[columns[k].pixel]);
            }
        }
        canvas.mark(from, first_row, to - from + 1, row_count);
        run.report(columns[end - 1].value, right);
    }
    return EffectEnd::completed;
}

}  // namespace vis::effect
