#include "catalogue/screenshot_lists.h"

#include <algorithm>
#include <vector>

#include "catalogue/list_line.h"
#include "platform/paths.h"

namespace vis {

namespace {

constexpr const char* kBusy = "not";

}  // namespace

BusyList::BusyList(ListBox& list) : list_(list), before_(list.tag()) {
    list_.set_tag(kBusy);
}

BusyList::~BusyList() {
    list_.set_tag(before_);
}

ScreenshotLists::ScreenshotLists(ListBox& ascending, ListBox& descending, FileList& listing, ImageBox& sort_up,
                                 ImageBox& sort_down)
    : ascending_(ascending), descending_(descending), listing_(listing), sort_up_(sort_up), sort_down_(sort_down) {}

bool ScreenshotLists::rebuild(const std::string& folder) {
    ascending_.clear();
    if (!listing_.bind(folder)) return false;

    // Time order (then name) is nearly always the lines' own order, so the sorted list takes
    // them without sorting strings again.
    std::vector<const ListedFile*> order;
    order.reserve(listing_.files().size());
    for (const ListedFile& f : listing_.files()) order.push_back(&f);
    std::sort(order.begin(), order.end(), [](const ListedFile* a, const ListedFile* b) {
        return a->modified != b->modified ? a->modified < b->modified : list_line_less(a->name, b->name);
    });
    std::vector<std::string> lines;
    lines.reserve(order.size());
    for (const ListedFile* f : order) lines.push_back(make_list_line(f->modified, f->name));
    ascending_.add_items(std::move(lines));

    descending_.clear();
    descending_.add_items(std::vector<std::string>(ascending_.items().rbegin(), ascending_.items().rend()));
    {
        const BusyList quiet(ascending_);
        ascending_.set_list_index(ascending_.count() > 0 ? 0 : -1);
    }
    // A rebuilt list is shown oldest first, with the icon that says so.
    descending_.set_visible(false);
    ascending_.set_visible(true);
    sort_up_.set_visible(true);
    sort_down_.set_visible(false);
    return true;
}

ListBox& ScreenshotLists::in_use() {
    return sort_up_.visible() ? ascending_ : descending_;
}

ListBox& ScreenshotLists::other(ListBox& list) {
    return &list == &ascending_ ? descending_ : ascending_;
}

bool ScreenshotLists::busy(const ListBox& list) {
    return list.tag() == kBusy;
}

std::string ScreenshotLists::file_of_line(const std::string& line) const {
    return join_path(listing_.folder(), line_name(line));
}

std::string ScreenshotLists::selected_line() {
    ListBox& list = in_use();
    return list.list_index() >= 0 ? list.item(list.list_index()) : std::string();
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
        const BusyList quiet(to);
        to.set_list_index(to.count() > 0 ? 0 : -1);
        to.set_list_index(row);
    }
    const bool ascending_now = &to == &ascending_;
    sort_up_.set_visible(ascending_now);
    sort_down_.set_visible(!ascending_now);
    return to;
}

void ScreenshotLists::remove_line(ListBox& list, int row) {
    const BusyList quiet(list);
    listing_.refresh();
    ListBox& mirror = other(list);
    mirror.remove_item(mirror.count() - 1 - row);
    list.remove_item(row);
    list.set_list_index(std::min(row, list.count() - 1));
}

}  // namespace vis
