#pragma once
// A list over the model's source: a native list-view that stores no line (owner data). It asks
// for line i's text when it shows the line, and so do screen readers when they read it, so ten
// thousand lines cost nothing until they are seen or read.
#include <windows.h>

#include <commctrl.h>

#include "ui/list_input.h"
#include "win32/control_view.h"

namespace vis::win32 {

class ListView : public ControlView {
public:
    ListView(FormWindow& window, ListBox& list);

    bool notify(const NMHDR& header, LRESULT& result) override;

protected:
    void render() override;
    bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void show_selection(int row);
    void keep_top_line(int top);
    void show_colours(const ListBox& list);
    void fill_text(NMLVDISPINFOW& info) const;
    void fit_column(int count);

    ListInput input_;
    // The selected line as the list shows it, followed through the lines that came and went.
    int shown_row_ = -1;
};

}  // namespace vis::win32
