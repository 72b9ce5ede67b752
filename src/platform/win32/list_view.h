#pragma once
// A list box over the model's source: a native list box that stores no line (owner data), drawing
// line i when it shows it, so ten thousand lines cost nothing until they are seen.
#include "platform/win32/control_view.h"

namespace vis::win32 {

class ListView : public ControlView {
public:
    ListView(FormWindow& window, ListBox& list);

    void command(int code) override;
    bool draw_item(const DRAWITEMSTRUCT& item) override;

protected:
    void render() override;
    bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void show_selection(int row);

    bool rendering_ = false;
    bool pressing_ = false;
};

}  // namespace vis::win32
