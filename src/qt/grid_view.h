#pragma once
#include "qt/control_view.h"
#include "ui/picture_grid.h"

namespace vis {

class GridWidget;

// A PictureGrid drawn by hand in a scroll area: only the pieces in view are asked for and painted.
// Its size, scrolling and left-button presses go to the grid; keys go to its key handler, and the
// arrows and page keys move nothing by themselves. Screen readers read the current cell's line.
class GridView : public ControlView {
    Q_OBJECT
public:
    GridView(FormWindow& window, PictureGrid& grid);
    PictureGrid* grid() const { return static_cast<PictureGrid*>(control_); }
    // From the widget.
    void resized(int width, int height);
    void scrolled(int top);
    void pressed(int x, int y, Qt::KeyboardModifiers modifiers, bool twice);

protected:
    void render() override;

private:
    GridWidget* widget_;
    std::string spoken_;
};

}  // namespace vis
