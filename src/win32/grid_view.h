#pragma once
// A PictureGrid drawn by hand with GDI in a window with its own scroll bar: only the pieces in
// view are asked for and painted, into a bitmap first so scrolling does not flicker. Its size,
// scrolling and left-button presses go to the grid, keys to its key handler. Screen readers read
// the window's text, which is the current cell's line.
#include "ui/picture_grid.h"
#include "win32/control_view.h"

namespace vis::win32 {

class GridView : public ControlView {
public:
    GridView(FormWindow& window, PictureGrid& grid);
    ~GridView() override;
    GridView(const GridView&) = delete;
    GridView& operator=(const GridView&) = delete;

protected:
    void render() override;
    bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    PictureGrid* grid() const { return static_cast<PictureGrid*>(control_); }
    void paint(HDC dc, const RECT& client);
    void paint_header(HDC dc, const GridPiece& piece, RECT r);
    void paint_cell(HDC dc, const GridPiece& piece, const RECT& r);
    // The cells' font, and its bold twin for the days' headers.
    void take_font(HFONT font);
    void show_range();
    void scroll_by_bar(int code);
    void resized();
    void press(LPARAM lp, WPARAM wp, bool twice);

    HFONT font_ = nullptr;
    HFONT header_font_ = nullptr;
    std::string spoken_;
};

}  // namespace vis::win32
