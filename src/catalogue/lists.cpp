// The two screenshot lists: oldest first (file_lst) and newest first (file_sort), row i of one
// being row count - 1 - i of the other.
#include <algorithm>
#include <vector>

#include "catalogue/list_line.h"
#include "core/form1.h"
#include "platform/paths.h"

namespace vis {

bool Form1::make_ss_list() {
    return make_ss_list(screenshot_folder());
}

bool Form1::make_ss_list(const std::string& folder) {
    file_lst.clear();
    if (!file_path.bind(folder)) return false;

    // Time order (then name) is nearly always the lines' own order, so the sorted list takes
    // them without sorting strings again.
    std::vector<const ListedFile*> order;
    order.reserve(file_path.files().size());
    for (const ListedFile& f : file_path.files()) order.push_back(&f);
    std::sort(order.begin(), order.end(), [](const ListedFile* a, const ListedFile* b) {
        return a->modified != b->modified ? a->modified < b->modified : list_line_less(a->name, b->name);
    });
    std::vector<std::string> lines;
    lines.reserve(order.size());
    for (const ListedFile* f : order) lines.push_back(make_list_line(f->modified, f->name));
    file_lst.add_items(std::move(lines));

    file_lst.set_tag("not");
    file_sort.clear();
    file_sort.add_items(std::vector<std::string>(file_lst.items().rbegin(), file_lst.items().rend()));
    file_lst.set_list_index(file_lst.count() > 0 ? 0 : -1);
    // A rebuilt list is shown oldest first, with the icon that says so.
    file_sort.set_visible(false);
    file_lst.set_visible(true);
    img_sort_up.set_visible(true);
    img_sort_down.set_visible(false);
    file_lst.set_tag("");
    return true;
}

ListBox& Form1::list_in_use() {
    return img_sort_up.visible() ? file_lst : file_sort;
}

ListBox& Form1::other_list(ListBox& list) {
    return &list == &file_lst ? file_sort : file_lst;
}

std::string Form1::file_of_line(const std::string& line) const {
    return join_path(file_path.folder(), line_name(line));
}

namespace {

// Shows `to` in place of `from`, carrying the selected row number over unchanged (not mirrored):
// the highlight stays at the same height of the box.
void switch_list(Form1& main, ListBox& from, ListBox& to) {
    const int row = from.list_index();
    to.set_visible(true);
    from.set_visible(false);
    to.set_focus();
    // Both selections are the program's own; the preview follows once, for the final row.
    to.set_tag("not");
    to.set_list_index(to.count() > 0 ? 0 : -1);
    to.set_list_index(row);
    to.set_tag("");
    main.show_pre_info(to);
}

}  // namespace

void Form1::img_sort_up_Click() {
    switch_list(*this, file_lst, file_sort);
    img_sort_up.set_visible(false);
    img_sort_down.set_visible(true);
}

void Form1::img_sort_down_Click() {
    switch_list(*this, file_sort, file_lst);
    img_sort_up.set_visible(true);
    img_sort_down.set_visible(false);
}

}  // namespace vis
