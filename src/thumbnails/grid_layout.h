#pragma once
// Where each thumbnail of the grid lies, in pixels of the grid's content (the top of the first
// day's header is 0): screenshots newest first, in rows of as many cells as the width holds, each
// day opened by a header row. Storage and every look-up grow with the number of days, not of
// screenshots, so a folder of 50,000 lays out as quickly as one of 100.
#include <functional>
#include <string>
#include <vector>

#include "ui/picture.h"

namespace vis {

struct GridMetrics {
    int picture_width = 192;  // the thumbnail's box, 16:9
    int picture_height = 108;
    int caption_height = 18;  // the save time under the picture
    int gap = 8;              // between cells, and around them
    int header_height = 26;

    // The sizes above at 96 dots per inch, scaled by `scale` (dots per inch / 96).
    static GridMetrics scaled(double scale);
    int cell_height() const { return picture_height + caption_height; }
    int row_height() const { return cell_height() + gap; }
    int column_width() const { return picture_width + gap; }
};

// A move of the selection by key.
enum class GridMove { left, right, up, down, page_up, page_down, first, last };

class GridLayout {
public:
    struct Day {
        int day = 0;    // YYYYMMDD
        int first = 0;  // its first item
        int count = 0;
        int top = 0;  // of its header
    };

    // `day_of(i)` is the day (YYYYMMDD) of item i; the items of one day follow one another.
    void arrange(int count, const std::function<int(int)>& day_of, int view_width, const GridMetrics& metrics);

    int count() const { return count_; }
    int columns() const { return columns_; }
    int total_height() const { return total_height_; }
    const GridMetrics& metrics() const { return metrics_; }
    const std::vector<Day>& days() const { return days_; }

    // The picture and caption of item `item`.
    PixelRect cell(int item) const;
    PixelRect header(const Day& day) const;
    // The item whose cell holds the point; -1 over a header or the space between cells.
    int item_at(int x, int y) const;
    // The items whose rows cross the band from `top` to `bottom` (exclusive): [first, last).
    std::pair<int, int> items_between(int top, int bottom) const;
    // The view's top after the least scroll that shows all of item `item` (with its day's header
    // when it is on the day's first row), for a view of `view_height` now at `view_top`.
    int scroll_to(int item, int view_top, int view_height) const;
    // The item a key moves the selection to from `item`, in a view `view_height` high.
    int moved(int item, GridMove move, int view_height) const;
    // The scroll range's end: the largest top a view of `view_height` may have.
    int max_top(int view_height) const;

private:
    const Day& day_of_item(int item) const;
    // The day whose header or rows hold `y` (the first day above the top, the last below the end).
    const Day& day_at(int y) const;
    int rows_of(const Day& day) const { return (day.count + columns_ - 1) / columns_; }
    int row_top(const Day& day, int row) const;
    // The row of `day` that holds `y`, clamped to its rows.
    int row_at(const Day& day, int y) const;
    // The item in column `column` of a row, or that row's last when it is shorter.
    int item_in_row(const Day& day, int row, int column) const;
    // The item of the same column on the row that holds `y`.
    int item_near(int y, int column) const;

    std::vector<Day> days_;
    int count_ = 0;
    int columns_ = 1;
    int total_height_ = 0;
    GridMetrics metrics_;
};

// The header's text: "2006/11/05" and how many screenshots that day has.
std::string day_header_text(const GridLayout::Day& day);

}  // namespace vis
