#include "catalogue/screenshot_order.h"

#include <algorithm>
#include <cassert>
#include <iterator>

#include "catalogue/list_line.h"

namespace vis {

ScreenshotOrder::ScreenshotOrder() : records_(std::make_shared<ListedFiles>()) {}

namespace {

// The lines' own order: the date-time prefix orders as the save time, then the names.
bool line_less(const ListedFile& x, const ListedFile& y) {
    return x.saved != y.saved ? x.saved < y.saved : list_line_less(x.name, y.name);
}

}  // namespace

bool ScreenshotOrder::less(std::uint32_t a, std::uint32_t b) const {
    return line_less((*records_)[a], (*records_)[b]);
}

void ScreenshotOrder::assign_all(std::shared_ptr<const ListedFiles> records) {
    assign_none(std::move(records));
    add_records(0, records_->size());
}

void ScreenshotOrder::assign_none(std::shared_ptr<const ListedFiles> records) {
    records_ = std::move(records);
    ids_.clear();
    ids_.shrink_to_fit();
    names_.clear();
}

void ScreenshotOrder::add_id(std::uint32_t id) {
    names_.add((*records_)[id].name, id);
}

const ListedFile& ScreenshotOrder::record(int row) const {
    return (*records_)[ids_.at(static_cast<std::size_t>(row))];
}

std::string ScreenshotOrder::line(int row) const {
    const ListedFile& f = record(row);
    return format_list_line(f.saved, f.name);
}

void ScreenshotOrder::add_records(std::size_t first, std::size_t last) {
    const auto middle = static_cast<std::ptrdiff_t>(ids_.size());
    ids_.reserve(ids_.size() + (last - first));
    names_.reserve(ids_.size() + (last - first));
    for (std::size_t i = first; i < last; ++i) {
        ids_.push_back(static_cast<std::uint32_t>(i));
        add_id(static_cast<std::uint32_t>(i));
    }
    std::sort(ids_.begin() + middle, ids_.end(), by_line());
    std::inplace_merge(ids_.begin(), ids_.begin() + middle, ids_.end(), by_line());
}

int ScreenshotOrder::take_row(ScreenshotOrder& from, int row) {
    assert(from.records_ == records_);
    const std::uint32_t id = from.ids_.at(static_cast<std::size_t>(row));
    from.remove(row);
    add_id(id);
    const auto at = std::upper_bound(ids_.begin(), ids_.end(), id, by_line());
    // The insertion may move the ids: their start is read after it.
    const auto inserted = ids_.insert(at, id);
    return static_cast<int>(inserted - ids_.begin());
}

int ScreenshotOrder::take_first(ScreenshotOrder& from, int n, int selected) {
    assert(from.records_ == records_);
    const bool kept = selected >= 0 && selected < count();
    const std::uint32_t selected_id = kept ? ids_[static_cast<std::size_t>(selected)] : 0;
    const auto end = from.ids_.begin() + n;
    const auto middle = static_cast<std::ptrdiff_t>(ids_.size());
    for (auto it = from.ids_.begin(); it != end; ++it) {
        from.names_.remove((*records_)[*it].name, *it);
        add_id(*it);
    }
    ids_.insert(ids_.end(), from.ids_.begin(), end);
    from.ids_.erase(from.ids_.begin(), end);
    std::inplace_merge(ids_.begin(), ids_.begin() + middle, ids_.end(), by_line());
    if (!kept) return -1;
    return static_cast<int>(std::lower_bound(ids_.begin(), ids_.end(), selected_id, by_line()) - ids_.begin());
}

void ScreenshotOrder::remove(int row) {
    const auto at = ids_.begin() + row;
    names_.remove((*records_)[*at].name, *at);
    ids_.erase(at);
}

int ScreenshotOrder::insert(const ListedFile& file) {
    // Records are only ever added, so the rows of the others stay valid.
    ListedFiles& records = own_records(records_);
    records.push_back(file);
    const auto id = static_cast<std::uint32_t>(records.size() - 1);
    add_id(id);
    const auto at = std::upper_bound(ids_.begin(), ids_.end(), id, by_line());
    // The insertion may move the ids: their start is read after it.
    const auto inserted = ids_.insert(at, id);
    return static_cast<int>(inserted - ids_.begin());
}

int ScreenshotOrder::find(const std::string& name) const {
    const std::int64_t id =
        names_.find(name, [this](std::uint32_t i) -> const std::string& { return (*records_)[i].name; });
    if (id < 0) return -1;
    // The record's own line finds its row; records of one name and time stand side by side.
    const auto wanted = static_cast<std::uint32_t>(id);
    auto at = std::lower_bound(ids_.begin(), ids_.end(), wanted, by_line());
    while (at != ids_.end() && *at != wanted && !less(wanted, *at)) ++at;
    return at != ids_.end() && *at == wanted ? static_cast<int>(at - ids_.begin()) : -1;
}

int ScreenshotOrder::place_of(const ListedFile& file) const {
    const auto at = std::lower_bound(ids_.begin(), ids_.end(), file, [this](std::uint32_t id, const ListedFile& f) {
        return line_less((*records_)[id], f);
    });
    return static_cast<int>(at - ids_.begin());
}

}  // namespace vis
