#include "catalogue/screenshot_lists.h"

#include <algorithm>
#include <optional>

#include "services/paths.h"
#include "services/start_marks.h"

namespace vis {

ScreenshotLists::ScreenshotLists(ListBox& ascending, ListBox& descending, FileList& listing, ImageBox& sort_up,
                                 ImageBox& sort_down)
    : ascending_(ascending), descending_(descending), listing_(listing), sort_up_(sort_up), sort_down_(sort_down) {
    ascending_.set_source(&oldest_first_);
    descending_.set_source(&newest_first_);
}

bool ScreenshotLists::rebuild(const std::string& folder) {
    if (on_reading) on_reading(folder);
    const bool read = listing_.bind(folder);
    // Apart from the lines made of it: under Wine the system's reading is most of the listing.
    start_mark("folder read");
    // The lists keep the records they show even when the listing reads the folder again.
    order_.assign_all(listing_.shared_files());
    ++revision_;
    ascending_.lines_reset(0);
    descending_.lines_reset();
    if (!read) return false;
    // A rebuilt list is shown oldest first, with row 0 selected and the icon that says so.
    descending_.set_visible(false);
    ascending_.set_visible(true);
    show_direction(false);
    return true;
}

void ScreenshotLists::read_ahead(const std::string& folder) {
    if (on_reading) on_reading(folder);
    listing_.read_ahead(folder);
}

void ScreenshotLists::show_direction(bool newest_first) {
    newest_first_shown_ = newest_first;
    sort_up_.set_visible(!newest_first);
    sort_down_.set_visible(newest_first);
}

ListBox& ScreenshotLists::in_use() {
    return newest_first_shown_ ? descending_ : ascending_;
}

ListBox& ScreenshotLists::other(ListBox& list) {
    return &list == &ascending_ ? descending_ : ascending_;
}

bool ScreenshotLists::busy(const ListBox& list) const {
    return (&list == &ascending_ ? busy_up_ : busy_down_) > 0;
}

std::string ScreenshotLists::path_of(const ListedFile& file) const {
    return join_path(listing_.folder(), file.name);
}

const OrderLines& ScreenshotLists::lines_of(const ListBox& list) const {
    return &list == &ascending_ ? oldest_first_ : newest_first_;
}

const ListedFile& ScreenshotLists::record(const ListBox& list, int row) const {
    return order_.record(lines_of(list).order_row(row));
}

std::optional<ListedFile> ScreenshotLists::selected() {
    const ListBox& list = in_use();
    if (list.list_index() < 0) return std::nullopt;
    return record(list, list.list_index());
}

ListBox& ScreenshotLists::switch_order() {
    ListBox& from = in_use();
    ListBox& to = other(from);
    const int row = from.list_index();
    to.set_visible(true);
    from.set_visible(false);
    to.set_focus();
    {
        // Both selections are the program's own; the caller previews once, for the final row.
        const Busy quiet(*this, to);
        to.set_list_index(to.count() > 0 ? 0 : -1);
        to.set_list_index(row);
    }
    show_direction(&to == &descending_);
    return to;
}

void ScreenshotLists::remove_order_row(int order_row) {
    const int count = order_.count();
    order_.remove(order_row);
    ++revision_;
    ascending_.line_removed(order_row);
    descending_.line_removed(count - 1 - order_row);
}

void ScreenshotLists::remove_line(ListBox& list, int row) {
    const Busy quiet(*this, list);
    listing_.refresh();
    remove_order_row(lines_of(list).order_row(row));
    list.set_list_index(std::min(row, list.count() - 1));
}

bool ScreenshotLists::held() const {
    return holds_ > 0 || busy(ascending_) || busy(descending_) || listing_.reading_ahead();
}

bool ScreenshotLists::put_file(const ListedFile& file, const std::string& was) {
    const std::string& old_name = was.empty() ? file.name : was;
    if (old_name != file.name) listing_.drop(old_name);
    listing_.put(file);
    const int old = order_.find(old_name);
    if (old >= 0 && order_.record(old) == file) return false;
    // A replaced file keeps its line, at the place of its new time, and stays selected where it was.
    ListBox* const lists[] = {&ascending_, &descending_};
    bool selected[2] = {false, false};
    for (int i = 0; i < 2; ++i)
        selected[i] =
            old >= 0 && lists[i]->list_index() >= 0 && lines_of(*lists[i]).order_row(lists[i]->list_index()) == old;
    const Busy quiet_up(*this, ascending_), quiet_down(*this, descending_);
    if (old >= 0) remove_order_row(old);
    const int row = order_.insert(file);
    ++revision_;
    ascending_.line_inserted(row);
    descending_.line_inserted(order_.count() - 1 - row);
    for (int i = 0; i < 2; ++i)
        if (selected[i]) lists[i]->set_list_index(lines_of(*lists[i]).order_row(row));
    return selected[&in_use() == &ascending_ ? 0 : 1];
}

int ScreenshotLists::row_of(const ListBox& list, const std::string& name) const {
    const int order_row = order_.find(name);
    return order_row < 0 ? -1 : lines_of(list).order_row(order_row);
}

bool ScreenshotLists::drop_file(const std::string& name) {
    listing_.drop(name);
    const int order_row = order_.find(name);
    if (order_row < 0) return false;
    ListBox& list = in_use();
    const int row = lines_of(list).order_row(order_row);
    if (list.list_index() != row) {
        remove_order_row(order_row);
        return false;
    }
    const Busy quiet(*this, list);
    remove_order_row(order_row);
    list.set_list_index(std::min(row, list.count() - 1));
    return true;
}

int ScreenshotLists::row_after_reread(const ListBox& list, const std::optional<ListedFile>& had,
                                      Followed& followed) const {
    if (!had) {
        // Lines where there were none (the folder is back): the first is selected, as after a reading.
        followed.replaced = order_.count() > 0;
        return followed.replaced ? 0 : -1;
    }
    const OrderLines& lines = lines_of(list);
    const int order_row = order_.find(had->name);
    if (order_row >= 0) {
        followed.replaced = order_.record(order_row) != *had;
        return lines.order_row(order_row);
    }
    followed.gone = true;
    // Oldest first the line that followed takes the place; newest first the next older one does.
    const int place = order_.place_of(*had);
    const int row = &list == &ascending_ ? place : order_.count() - place;
    return std::min(row, order_.count() - 1);
}

ScreenshotLists::Followed ScreenshotLists::reread() {
    ListBox* const lists[] = {&ascending_, &descending_};
    std::optional<ListedFile> had[2];
    for (int i = 0; i < 2; ++i)
        if (lists[i]->list_index() >= 0) had[i] = record(*lists[i], lists[i]->list_index());
    listing_.refresh();
    order_.assign_all(listing_.shared_files());
    ++revision_;
    Followed in_use_followed;
    for (int i = 0; i < 2; ++i) {
        Followed followed;
        lists[i]->lines_reset(row_after_reread(*lists[i], had[i], followed));
        if (lists[i] == &in_use()) in_use_followed = followed;
    }
    return in_use_followed;
}

}  // namespace vis
