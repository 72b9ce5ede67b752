#include "editor/mosaic_layout.h"

#include <algorithm>
#include <iterator>
#include <tuple>

namespace vis::mosaic_layout {

namespace {

// Whether the blocks k apart along a line and beyond lie clear of each other's boxes, with a
// box reaching `margin` pixels past its block on every side.
bool clear_at(const std::vector<BlockLine>& lines, std::size_t k, int margin) {
    for (std::size_t b = 0; b + k + 1 < lines.size(); ++b)
        if (lines[b + k + 1].first_px - lines[b].last_px <= 2 * margin) return false;
    return true;
}

// A box near the block a plan is for: how many columns and rows from it, its shape, and its
// first pixel column and row.
struct NearBox {
    int columns;
    int rows;
    const Canvas::BoxRows* shape;
    int x;
    int y;

    bool covers(int px, int py) const {
        const auto k = static_cast<std::size_t>(py - y - shape->first_row);
        if (k >= shape->spans.size()) return false;
        return shape->spans[k].first <= px - x && px - x <= shape->spans[k].last;
    }
};

}  // namespace

Layout::Layout(Canvas& canvas, std::vector<BlockLine> columns, std::vector<BlockLine> rows)
    : canvas_(canvas), columns_(std::move(columns)), rows_(std::move(rows)) {
    // The pen reaches half its width and a pixel past the box; one more for safety.
    const int margin = (canvas.draw_width() + 1) / 2 + 2;
    std::size_t k = 1;
    while (k < std::max(columns_.size(), rows_.size()) &&
           !(clear_at(columns_, k, margin) && clear_at(rows_, k, margin)))
        ++k;
    reach_ = static_cast<int>(k);
    margin_ = margin;
    column_kinds_ = kinds(columns_);
    row_kinds_ = kinds(rows_);
    plans_.resize(column_kinds_.example.size() * row_kinds_.example.size());
}

// Blocks whose neighbours within reach lie the same way from their first pixel, and whose
// samples do, get the same kind.
Layout::Axis Layout::kinds(const std::vector<BlockLine>& lines) const {
    Axis axis;
    std::map<std::vector<int>, int> known;
    for (std::size_t b = 0; b < lines.size(); ++b) {
        const int origin = lines[b].first_px;
        std::vector<int> key;
        for (int d = -reach_; d <= reach_; ++d) {
            const auto n = static_cast<std::ptrdiff_t>(b) + d;
            const bool present = n >= 0 && n < static_cast<std::ptrdiff_t>(lines.size());
            const BlockLine* other = present ? &lines[static_cast<std::size_t>(n)] : nullptr;
            key.insert(key.end(),
                       {present ? 1 : 0, other ? other->first_px - origin : 0, other ? other->last_px - origin : 0});
        }
        for (const int s : lines[b].samples) key.push_back(s - origin);
        const auto [it, added] = known.emplace(std::move(key), static_cast<int>(axis.example.size()));
        if (added) axis.example.push_back(b);
        axis.kind_of.push_back(it->second);
    }
    return axis;
}

const Plan& Layout::first_plan(std::size_t column, std::size_t row) {
    const auto ck = static_cast<std::size_t>(column_kinds_.kind_of[column]);
    const auto rk = static_cast<std::size_t>(row_kinds_.kind_of[row]);
    std::unique_ptr<Plan>& plan = plans_[ck * row_kinds_.example.size() + rk];
    plan = std::make_unique<Plan>(work_out(column_kinds_.example[ck], row_kinds_.example[rk]));
    return *plan;
}

const Canvas::BoxRows& Layout::shape(std::size_t column, std::size_t row) {
    const int width = columns_[column].last_px - columns_[column].first_px;
    const int height = rows_[row].last_px - rows_[row].first_px;
    const auto found = shapes_.find({width, height});
    if (found != shapes_.end()) return found->second;
    return shapes_.emplace(std::pair{width, height}, canvas_.box_rows(0, width, height)).first->second;
}

Plan Layout::work_out(std::size_t column, std::size_t row) {
    const int x0 = columns_[column].first_px, y0 = rows_[row].first_px;
    const auto near = [](std::size_t b, int d, std::size_t size) {
        const auto n = static_cast<std::ptrdiff_t>(b) + d;
        return n >= 0 && n < static_cast<std::ptrdiff_t>(size);
    };
    // The boxes near this one, latest drawn first; those before it.
    std::vector<NearBox> near_boxes, before;
    for (int dc = reach_; dc >= -reach_; --dc)
        for (int dr = reach_; dr >= -reach_; --dr) {
            if (!near(column, dc, columns_.size()) || !near(row, dr, rows_.size())) continue;
            const auto c = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(column) + dc);
            const auto r = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(row) + dr);
            near_boxes.push_back({dc, dr, &shape(c, r), columns_[c].first_px, rows_[r].first_px});
        }
    std::copy_if(near_boxes.begin(), near_boxes.end(), std::back_inserter(before),
                 [](const NearBox& b) { return b.columns < 0 || (b.columns == 0 && b.rows < 0); });
    const auto box_at = [&](const NearBox& b) {
        return b.columns * static_cast<std::ptrdiff_t>(rows_.size()) + b.rows;
    };
    // The latest of `boxes` covering the pixel, or boxes.size().
    const auto latest = [](const std::vector<NearBox>& boxes, int x, int y) {
        return static_cast<std::size_t>(
            std::find_if(boxes.begin(), boxes.end(), [&](const NearBox& b) { return b.covers(x, y); }) - boxes.begin());
    };

    Plan plan;
    const std::vector<int>& xs = columns_[column].samples;
    const std::vector<int>& ys = rows_[row].samples;
    plan.count = static_cast<std::uint32_t>(xs.size() * ys.size());
    for (const int x : xs) plan.sample_dx.push_back(x - x0);
    std::vector<std::uint32_t> counts(before.size());
    plan.adjacent = xs.size() == 8 && xs.back() - xs.front() == 7;
    for (const int y : ys) {
        PictureRow picture{y - y0, {}};
        bool any = false;
        for (std::size_t k = 0; k < xs.size(); ++k) {
            const std::size_t source = latest(before, xs[k], y);
            if (source < before.size()) {
                ++counts[source];
            } else {
                picture.shows[k] = ~0u;
                any = true;
            }
        }
        if (any) plan.picture.push_back(picture);
    }
    for (std::size_t s = 0; s < before.size(); ++s)
        if (before[s].columns == 0 && before[s].rows == -1)
            plan.above = counts[s];
        else if (counts[s] != 0)
            plan.sources.push_back({box_at(before[s]), counts[s]});

    // The block's cell: one pitch each way from `shift` pixels before its first pixel, so that
    // the cells tile the mosaic and most of a cell is the block's own box. The first and last
    // blocks' cells take in all that their boxes reach beyond.
    const int shift = -(canvas_.draw_width() / 2);
    const auto cell = [&](const std::vector<BlockLine>& lines, std::size_t b) {
        const int origin = lines[b].first_px;
        return std::pair{b == 0 ? -margin_ : shift, b + 1 == lines.size() ? lines[b].last_px - origin + margin_
                                                                          : lines[b + 1].first_px - origin + shift - 1};
    };
    std::tie(plan.left, plan.right) = cell(columns_, column);
    std::tie(plan.top, plan.bottom) = cell(rows_, row);
    plan.whole_cell = true;
    for (int dy = plan.top; dy <= plan.bottom; ++dy) {
        std::size_t run_owner = near_boxes.size();
        int run_first = 0;
        for (int dx = plan.left; dx <= plan.right + 1; ++dx) {
            const std::size_t owner = dx <= plan.right ? latest(near_boxes, x0 + dx, y0 + dy) : near_boxes.size() + 1;
            if (owner == near_boxes.size()) plan.whole_cell = false;
            if (owner == run_owner) continue;
            if (run_owner < near_boxes.size()) {
                const NearBox& box = near_boxes[run_owner];
                const Span span{dy, run_first, dx - 1, static_cast<std::ptrdiff_t>(dy) * canvas_.width_px() + run_first,
                                box_at(box)};
                (box.columns == 0 && box.rows == 0 ? plan.own : plan.patches).push_back(span);
            }
            run_owner = owner;
            run_first = dx;
        }
    }
    return plan;
}

}  // namespace vis::mosaic_layout
