#pragma once
// Screenshots in list order (oldest first, equal times by name) over records that one reading of
// the folder made: four bytes per screenshot, the line text made only when it is asked for.
// Orders over the same records move screenshots between them (the album window's two lists).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/file_list.h"
#include "catalogue/name_index.h"
#include "ui/list_source.h"

namespace vis {

class ScreenshotOrder {
public:
    ScreenshotOrder();

    // Every record, in list order.
    void assign_all(std::shared_ptr<const ListedFiles> records);
    // No record yet, over these records.
    void assign_none(std::shared_ptr<const ListedFiles> records);

    int count() const { return static_cast<int>(ids_.size()); }
    const ListedFile& record(int row) const;
    std::string line(int row) const;

    // Takes records `first` to `last` - 1 of the records in at their places in the order.
    void add_records(std::size_t first, std::size_t last);
    // Moves row `row` of `from` to its place here; returns the row it has here.
    int take_row(ScreenshotOrder& from, int row);
    // Moves the first `n` rows of `from` to their places here; returns the row that the line on
    // row `selected` here (-1 for none) has now.
    int take_first(ScreenshotOrder& from, int n, int selected);
    void remove(int row);
    // Takes a record that the folder gained (or a new record of a replaced file) in at its place;
    // returns its row. Whoever shares the records keeps them as they were.
    int insert(const ListedFile& file);
    // The row of the screenshot named `name`; -1 when it is not in the order. Looked up through
    // an index of the names and the order itself, so a burst of changes costs no search per name.
    int find(const std::string& name) const;
    // The row `file` would take: the number of rows whose lines come before its line.
    int place_of(const ListedFile& file) const;

private:
    void add_id(std::uint32_t id);
    bool less(std::uint32_t a, std::uint32_t b) const;
    auto by_line() const {
        return [this](std::uint32_t a, std::uint32_t b) { return less(a, b); };
    }

    std::shared_ptr<const ListedFiles> records_;
    std::vector<std::uint32_t> ids_;
    // The names of the records in the order, never of those taken out.
    NameIndex names_;
};

// An order as a list box's lines, oldest first or newest first (the mirror of the other).
class OrderLines : public ListSource {
public:
    OrderLines(const ScreenshotOrder& order, bool newest_first) : order_(order), newest_first_(newest_first) {}
    int count() const override { return order_.count(); }
    std::string line(int row) const override { return order_.line(order_row(row)); }
    // The order's row of list row `row`, and the other way round (the same both ways).
    int order_row(int row) const { return newest_first_ ? order_.count() - 1 - row : row; }

private:
    const ScreenshotOrder& order_;
    bool newest_first_;
};

}  // namespace vis
