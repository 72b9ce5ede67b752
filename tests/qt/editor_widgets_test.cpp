// The editor's controls as real widgets: a picture box in a clipping frame with overlays that
// let the pointer through, and a graphical button.
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QToolButton>

#include "qt_fixture.h"
#include "ui/keys.h"

namespace vis::test {
namespace {

constexpr std::uint32_t kGrey = 0xFF808080;

struct CanvasForm : Form {
    explicit CanvasForm(WindowSystem& ws)
        : Form(ws, "EditorWindow", " 編集"), pixels(std::make_shared<std::vector<std::uint32_t>>(200 * 100, kGrey)) {
        set_client_size(6000, 3000);
        frm.set_bounds({1500, 150, 1500, 750});  // 100 x 50 pixels: half the picture each way
        pct.set_container(frm);
        pct.set_bounds({0, 0, 3000, 1500});
        pct.set_picture({200, 100, pixels});
        pct.set_mouse_icon({"tool.png", 16, 16});
        sel.set_container(pct);
        sel.set_bounds({1800, 900, 600, 300});
        sel.set_border_colour(rgb(255, 0, 0));
        lne.set_container(pct);
        lne.set_bounds({300, 300, 600, 0});
        lne.set_border_width(10);
        tool.set_icon({"tool.png", 16, 16});
    }
    std::shared_ptr<std::vector<std::uint32_t>> pixels;
    Button tool{*this, "cmd_pnt_1", "鉛筆"};
    Frame frm{*this, "frm_pct", ""};
    PictureBox pct{*this, "pct_ss"};
    Shape sel{*this, "shp_sel"};
    Line lne{*this, "lne_str"};
    Label notice{*this, "Label2", "この機能は…"};
};

// The form shown and rendered, with its tool picture in the program's data folder.
class EditorWidgets : public QtBackendTest {
protected:
    void SetUp() override {
        QDir(folder.path()).mkpath("data");
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(Qt::black);
        ASSERT_TRUE(icon.save(folder.path() + "/data/tool.png"));
        form = std::make_unique<CanvasForm>(windows);
        form->show();
        windows.render();
    }
    std::unique_ptr<CanvasForm> form;
};

TEST_F(EditorWidgets, CanvasAndOverlaysLieInTheirContainersAndLetThePointerThrough) {
    QWidget* frame = widget(form->frm);
    QWidget* canvas = widget(form->pct);
    QWidget* sel = widget(form->sel);
    ASSERT_TRUE(frame && canvas && sel);
    EXPECT_EQ(canvas->parentWidget(), frame);
    EXPECT_EQ(sel->parentWidget(), canvas);
    EXPECT_EQ(widget(form->lne)->parentWidget(), canvas);
    EXPECT_TRUE(sel->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(sel->geometry(), QRect(px(1800), px(900), px(600), px(300)));
    EXPECT_EQ(canvas->cursor().shape(), Qt::BitmapCursor);
}

TEST_F(EditorWidgets, AGraphicalButtonShowsItsIconFromTheDataFolder) {
    auto* tool = qobject_cast<QToolButton*>(widget(form->tool));
    ASSERT_NE(tool, nullptr);
    EXPECT_FALSE(tool->icon().isNull());
}

TEST_F(EditorWidgets, ShortcutsReachTheFormFromAFocusedControlAndTipsShow) {
    Label& notice = form->notice;
    windows.dispatch([&] { notice.set_tool_tip("元に戻す: Ctrl+Z"); });
    std::vector<std::pair<int, int>> taken, passed;
    form->on_shortcut = [&](int key, int shift) {
        if (key != 'Z') return false;
        taken.emplace_back(key, shift);
        return true;
    };
    form->tool.on_key_down = [&](int key, int shift) { passed.emplace_back(key, shift); };
    windows.render();
    EXPECT_EQ(widget(notice)->toolTip().toStdString(), "元に戻す: Ctrl+Z");
    EXPECT_EQ(widget(notice)->accessibleDescription().toStdString(), "元に戻す: Ctrl+Z");

    QWidget* button = widget(form->tool);
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Y, Qt::ControlModifier}}) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(button, &press);
    }
    EXPECT_EQ(taken, (std::vector<std::pair<int, int>>{{'Z', shift::kCtrl}}));
    EXPECT_EQ(passed, (std::vector<std::pair<int, int>>{{'Y', shift::kCtrl}}));
}

}  // namespace
}  // namespace vis::test
