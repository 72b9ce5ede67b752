#pragma once
// Shape (a rectangle outline) and Line, drawn with GDI. The window's region is exactly the
// outline's pixels, so the picture or label it lies over shows everywhere else, and it lets the
// pointer through to what lies beneath. A line's ends are the corners of its bounds, which may
// run right to left or bottom to top; a wide rectangle border lies inside the bounds, a wide
// line is centred on its ends with round ends.
#include "win32/control_view.h"

namespace vis::win32 {

class ShapeView : public ControlView {
public:
    ShapeView(FormWindow& window, Shape& shape);

protected:
    void render() override;
    RECT geometry_px() const override;
    bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    // The region of the outline in the window's own pixels, for a window of w x h.
    HRGN outline_region(int w, int h) const;

    COLORREF colour_ = 0;
};

}  // namespace vis::win32
