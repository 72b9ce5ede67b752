// The picture grid on Qt: drawn from its source's pieces, presses and the view's size handed back,
// the current cell's line for screen readers; and a task posted from a worker thread runs on the
// windows' thread.
#include <QAbstractScrollArea>
#include <QMouseEvent>
#include <QScrollBar>
#include <thread>

#include "qt_fixture.h"
#include "support/two_cells.h"
#include "ui/keys.h"
#include "ui/picture_grid.h"

namespace vis::test {
namespace {

struct GridForm : Form {
    explicit GridForm(WindowSystem& ws) : Form(ws, "ThumbnailWindow", "サムネイル一覧") {
        set_client_size(6000, 3000);
        grid.set_bounds({0, 0, 6000, 3000});
        grid.set_source(&cells);
        grid.on_cell_press = [this](int item, int shift) { presses.emplace_back(item, shift); };
        grid.on_cell_double = [this](int item) { doubles.push_back(item); };
    }
    TwoCells cells;
    PictureGrid grid{*this, "grid"};
    std::vector<std::pair<int, int>> presses;
    std::vector<int> doubles;
};

void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(w, &e);
}

TEST_F(QtBackendTest, PictureGridDrawsItsPiecesAndHandsBackPressesAndSize) {
    GridForm form(windows);
    form.show();
    windows.render();
    auto* area = qobject_cast<QAbstractScrollArea*>(widget(form.grid));
    ASSERT_NE(area, nullptr);
    ASSERT_TRUE(wait_until([&] { return form.grid.view_width() > 0; }));
    EXPECT_EQ(form.grid.view_width(), area->viewport()->width());
    EXPECT_EQ(form.grid.view_height(), area->viewport()->height());

    const QImage drawn = area->viewport()->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(60, 40), QColor(255, 0, 0));
    // The unreadable cell's cross passes through its picture box's centre.
    EXPECT_NE(drawn.pixelColor(180, 40), drawn.pixelColor(150, 40));

    mouse(area->viewport(), QEvent::MouseButtonPress, {180, 40}, Qt::ControlModifier);
    mouse(area->viewport(), QEvent::MouseButtonPress, {120, 40});  // between the cells
    mouse(area->viewport(), QEvent::MouseButtonDblClick, {60, 40});
    EXPECT_EQ(form.presses, (std::vector<std::pair<int, int>>{{1, shift::kCtrl}}));
    EXPECT_EQ(form.doubles, std::vector<int>{0});

    form.grid.set_spoken("2006/11/05 01:09:15 │ PelmarOnline_2006115_01715.jpg");
    windows.render();
    EXPECT_EQ(area->accessibleName().toStdString(), form.grid.spoken());
    // The program scrolls it; the user's scroll comes back.
    form.grid.set_scroll_top(300);
    windows.render();
    EXPECT_EQ(area->verticalScrollBar()->value(), 300);
    area->verticalScrollBar()->setValue(500);
    EXPECT_EQ(form.grid.scroll_top(), 500);
}

TEST_F(QtBackendTest, ATaskPostedFromAWorkerRunsOnTheWindowsThread) {
    std::thread::id ran_on;
    std::thread worker([&] { windows.post([&] { ran_on = std::this_thread::get_id(); }); });
    worker.join();
    ASSERT_TRUE(wait_until([&] { return ran_on != std::thread::id(); }));
    EXPECT_EQ(ran_on, std::this_thread::get_id());
}

}  // namespace
}  // namespace vis::test
