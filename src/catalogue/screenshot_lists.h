#pragma once
// The two screenshot lists of the main window: oldest first (`file_lst`) and newest first
// (`file_sort`), row i of one being row count - 1 - i of the other. Both show one order over the
// records the folder listing read; the newest-first list reads it backwards. The lists know which
// order is shown (the sort icons show it) and which list is busy: selections made by the program
// itself on a busy list run no selection handling.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "catalogue/file_list.h"
#include "catalogue/screenshot_order.h"
#include "ui/control.h"

namespace vis {

class ScreenshotLists {
public:
    ScreenshotLists(ListBox& ascending, ListBox& descending, FileList& listing, ImageBox& sort_up, ImageBox& sort_down);

    ListBox& ascending() { return ascending_; }
    FileList& listing() { return listing_; }

    // Runs with the folder before each reading of it.
    std::function<void(const std::string& folder)> on_reading;

    // Lists the folder's screenshots into both orders, oldest first shown, row 0 selected without
    // running the selection handling. False, with the lists empty, when the folder cannot be read.
    bool rebuild(const std::string& folder);
    // Starts reading the folder on a worker thread for the next rebuild, the folder followed
    // from now on. Changes of the folder wait until that rebuild.
    void read_ahead(const std::string& folder);

    // The list the window shows: the newest-first one once the order was switched.
    ListBox& in_use();
    bool newest_first() const { return newest_first_shown_; }
    ListBox& other(ListBox& list);
    bool busy(const ListBox& list) const;

    // Marks a list busy for its lifetime; they nest.
    class Busy {
    public:
        Busy(ScreenshotLists& lists, const ListBox& list) : count_(lists.busy_count(list)) { ++count_; }
        ~Busy() { --count_; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        int& count_;
    };

    // Changes whenever lines come, go or are read again.
    std::uint64_t revision() const { return revision_; }

    // The full path of a listed screenshot.
    std::string path_of(const ListedFile& file) const;
    // The screenshot selected in the list in use; none when nothing is selected.
    std::optional<ListedFile> selected();
    // What the listing read of the screenshot on row `row` of `list`.
    const ListedFile& record(const ListBox& list, int row) const;
    // The row of `list` that shows the screenshot named `name`; -1 when none does.
    int row_of(const ListBox& list, const std::string& name) const;
    // The list showing newest first.
    ListBox& descending() { return descending_; }

    // Shows the other order in place of the one in use, keeping the selected row number (the
    // highlight stays at the same height). Returns the list now in use; the caller previews it.
    ListBox& switch_order();

    // After a screenshot was deleted: its row goes from `list` and the mirrored row from the
    // other list, the listing is read again, and the line that followed (or the new last) is
    // selected while the list is busy.
    void remove_line(ListBox& list, int row);

    // Changes of the folder learnt by name. Each list keeps its selected screenshot; a line gone
    // leaves the list in use as a deletion does. True when the list in use had this screenshot
    // selected (gone: the line that followed is selected now). A file renamed in letter case only
    // takes over the line of its name before, `was`.
    bool put_file(const ListedFile& file, const std::string& was = {});
    bool drop_file(const std::string& name);

    // What became of the selected screenshot of the list in use.
    struct Followed {
        bool replaced = false;
        bool gone = false;
    };
    // The folder read again in one go, after the watch lost track of it: each list keeps its
    // selected screenshot where it is still there, or takes the line that followed it, as after a
    // delete; a list that had none selects its first line. The selection handling does not run.
    Followed reread();

    // While one is alive (a bulk run, the album window filling its lists) changes of the folder
    // wait.
    class Hold {
    public:
        explicit Hold(ScreenshotLists& lists) : lists_(lists) { ++lists_.holds_; }
        ~Hold() { --lists_.holds_; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        ScreenshotLists& lists_;
    };
    // Whether changes of the folder must wait: held, or a list busy with a change of its own.
    bool held() const;

private:
    int& busy_count(const ListBox& list) { return &list == &ascending_ ? busy_up_ : busy_down_; }
    // Shows `newest_first` on the sort icons.
    void show_direction(bool newest_first);
    const OrderLines& lines_of(const ListBox& list) const;
    // Takes row `order_row` of the order out of both lists.
    void remove_order_row(int order_row);
    // The row of `list` for the screenshot it had selected before the order changed: its own, or
    // the one that followed it when it is no longer there.
    int row_after_reread(const ListBox& list, const std::optional<ListedFile>& had, Followed& followed) const;

    ListBox& ascending_;
    ListBox& descending_;
    ScreenshotOrder order_;
    OrderLines oldest_first_{order_, false};
    OrderLines newest_first_{order_, true};
    FileList& listing_;
    ImageBox& sort_up_;
    ImageBox& sort_down_;
    int holds_ = 0;
    bool newest_first_shown_ = false;
    int busy_up_ = 0;
    int busy_down_ = 0;
    std::uint64_t revision_ = 0;
};

}  // namespace vis
