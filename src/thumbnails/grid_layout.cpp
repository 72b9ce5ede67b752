#include "thumbnails/grid_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vis {

namespace {

int scaled_size(int size, double scale) {
    return std::max(1, static_cast<int>(std::lround(size * scale)));
}

}  // namespace

GridMetrics GridMetrics::scaled(double scale) {
    const GridMetrics at96;
    if (!(scale > 0)) scale = 1.0;
    GridMetrics m;
    m.picture_width = scaled_size(at96.picture_width, scale);
    m.picture_height = scaled_size(at96.picture_height, scale);
    m.caption_height = scaled_size(at96.caption_height, scale);
    m.gap = scaled_size(at96.gap, scale);
    m.header_height = scaled_size(at96.header_height, scale);
    return m;
}

void GridLayout::arrange(int count, const std::function<int(int)>& day_of, int view_width, const GridMetrics& metrics) {
    metrics_ = metrics;
    count_ = std::max(count, 0);
    columns_ = std::max(1, (view_width - metrics.gap) / metrics.column_width());
    days_.clear();
    int top = 0;
    for (int i = 0; i < count_; ++i) {
        const int day = day_of(i);
        if (days_.empty() || days_.back().day != day) {
            if (!days_.empty()) top += metrics_.header_height + rows_of(days_.back()) * metrics_.row_height();
            days_.push_back({day, i, 0, top});
        }
        ++days_.back().count;
    }
    total_height_ = days_.empty() ? 0 : top + metrics_.header_height + rows_of(days_.back()) * metrics_.row_height();
}

const GridLayout::Day& GridLayout::day_of_item(int item) const {
    const auto after =
        std::upper_bound(days_.begin(), days_.end(), item, [](int i, const Day& d) { return i < d.first; });
    return after == days_.begin() ? days_.front() : *(after - 1);
}

const GridLayout::Day& GridLayout::day_at(int y) const {
    const auto after = std::upper_bound(days_.begin(), days_.end(), y, [](int at, const Day& d) { return at < d.top; });
    return after == days_.begin() ? days_.front() : *(after - 1);
}

int GridLayout::row_top(const Day& day, int row) const {
    return day.top + metrics_.header_height + row * metrics_.row_height();
}

int GridLayout::row_at(const Day& day, int y) const {
    const int below_header = y - day.top - metrics_.header_height;
    if (below_header < 0) return 0;
    return std::min(below_header / metrics_.row_height(), rows_of(day) - 1);
}

int GridLayout::item_in_row(const Day& day, int row, int column) const {
    const int first = day.first + row * columns_;
    const int last = std::min(first + columns_, day.first + day.count) - 1;
    return std::min(first + column, last);
}

int GridLayout::item_near(int y, int column) const {
    const Day& day = day_at(y);
    // Below a day's last row (its space ends where the next header starts) is the same row.
    return item_in_row(day, row_at(day, y), column);
}

PixelRect GridLayout::cell(int item) const {
    if (item < 0 || item >= count_) return {};
    const Day& day = day_of_item(item);
    const int index = item - day.first;
    return {metrics_.gap + (index % columns_) * metrics_.column_width(), row_top(day, index / columns_),
            metrics_.picture_width, metrics_.cell_height()};
}

PixelRect GridLayout::header(const Day& day) const {
    return {0, day.top, metrics_.gap + columns_ * metrics_.column_width(), metrics_.header_height};
}

int GridLayout::item_at(int x, int y) const {
    if (days_.empty() || y < 0 || y >= total_height_ || x < metrics_.gap) return -1;
    const int column = (x - metrics_.gap) / metrics_.column_width();
    if (column >= columns_ || (x - metrics_.gap) % metrics_.column_width() >= metrics_.picture_width) return -1;
    const Day& day = day_at(y);
    const int below_header = y - day.top - metrics_.header_height;
    if (below_header < 0 || below_header % metrics_.row_height() >= metrics_.cell_height()) return -1;
    const int index = below_header / metrics_.row_height() * columns_ + column;
    return index < day.count ? day.first + index : -1;
}

std::pair<int, int> GridLayout::items_between(int top, int bottom) const {
    top = std::max(top, 0);
    bottom = std::min(bottom, total_height_);
    if (days_.empty() || top >= bottom) return {0, 0};
    const Day& first_day = day_at(top);
    const int first = first_day.first + row_at(first_day, top) * columns_;
    const Day& last_day = day_at(bottom - 1);
    const int last =
        std::min(last_day.first + (row_at(last_day, bottom - 1) + 1) * columns_, last_day.first + last_day.count);
    return {first, last};
}

int GridLayout::max_top(int view_height) const {
    return std::max(0, total_height_ - view_height);
}

int GridLayout::scroll_to(int item, int view_top, int view_height) const {
    const PixelRect r = cell(item);
    if (r.empty()) return std::clamp(view_top, 0, max_top(view_height));
    const Day& day = day_of_item(item);
    const int wanted_top = item - day.first < columns_ ? day.top : r.top - metrics_.gap;
    const int wanted_bottom = r.top + r.height + metrics_.gap;
    if (wanted_top < view_top)
        view_top = wanted_top;
    else if (wanted_bottom > view_top + view_height)
        view_top = std::min(wanted_bottom - view_height, r.top);  // a view lower than a cell shows its top
    return std::clamp(view_top, 0, max_top(view_height));
}

int GridLayout::moved(int item, GridMove move, int view_height) const {
    if (count_ == 0) return -1;
    item = std::clamp(item, 0, count_ - 1);
    const Day& day = day_of_item(item);
    const int index = item - day.first;
    const int row = index / columns_;
    const int column = index % columns_;
    const int rows = rows_of(day);
    const Day* const begin = days_.data();
    const Day* here = &day;
    switch (move) {
        case GridMove::left:
            return std::max(item - 1, 0);
        case GridMove::right:
            return std::min(item + 1, count_ - 1);
        case GridMove::up:
            if (row > 0) return item - columns_;
            if (here == begin) return item;
            return item_in_row(here[-1], rows_of(here[-1]) - 1, column);
        case GridMove::down:
            if (row + 1 < rows) return item_in_row(day, row + 1, column);
            if (here + 1 == begin + days_.size()) return item;
            return item_in_row(here[1], 0, column);
        case GridMove::page_up:
            return item_near(row_top(day, row) - std::max(view_height, 1), column);
        case GridMove::page_down:
            return item_near(std::min(row_top(day, row) + std::max(view_height, 1), total_height_ - 1), column);
        case GridMove::first:
            return 0;
        case GridMove::last:
            return count_ - 1;
    }
    return item;
}

std::string day_header_text(const GridLayout::Day& day) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d (%d 枚)", day.day / 10000, day.day / 100 % 100, day.day % 100,
                  day.count);
    return text;
}

}  // namespace vis
