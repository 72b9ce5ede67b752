// The program's own windows rendered by the Qt backend: the main window's preview and panel,
// the full-screen viewer and the clipboard, with real widgets under the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QUrl>
#include <filesystem>
#include <tuple>

#include "editor_window/editor_window.h"
#include "main_window/main_window.h"
#include "qt/form_window.h"
#include "qt/image_view.h"
#include "qt/qt_clipboard.h"
#include "qt/qt_window_system.h"
#include "qt_fixture.h"
#include "services/paths.h"
#include "support/app_fixture.h"
#include "support/headless.h"
#include "support/settings_surface.h"
#include "support/temp_folder.h"
#include "viewer/viewer_window.h"

namespace vis {
namespace {

using test::wait_until;

// MainWindow on real widgets; prompts, media and network stay doubles so nothing waits for a person.
struct QtProgram {
    test::GameFolders folders;
    QtWindowSystem windows{folders.program};
    test::HeadlessPlatform doubles{folders.program};
    QtClipboard clipboard;
    std::unique_ptr<test::ProgramWindows> program;
    MainWindow* form = nullptr;

    QtProgram() {
        doubles.use(windows);
        doubles.use(clipboard);
        doubles.http.body = kVersion;
        folders.write_settings("1", "0");
        folders.add_shot("PelmarOnline_2006115_01715.jpg", 1100000000, 96, 64, rgb(200, 30, 30));
        folders.add_shot("PelmarOnline_2006116_01716.jpg", 1100000060, 80, 40, rgb(20, 30, 220));
    }
    MainWindow& start() {
        program = std::make_unique<test::ProgramWindows>(doubles.platform());
        form = &program->main();
        windows.dispatch([&] { form->start(); });
        EXPECT_TRUE(wait_until([&] { return form->caption() == "Pelmarオンライン - Vistelle (v2.00)"; }, 5000));
        return *form;
    }
};

TEST(QtProgramWindows, PreviewAndPanelShowInRealWidgets) {
    QtProgram app;
    MainWindow& f = app.start();
    FormWindow* main = app.windows.window_of(&f);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->windowTitle().toStdString(), "Pelmarオンライン - Vistelle (v2.00)");

    auto* panel = qobject_cast<QLabel*>(app.windows.widget_of(f.lbl_alt));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->text().startsWith(QStringLiteral("ファイル名：PelmarOnline_2006115_01715.jpg\n")));
    EXPECT_TRUE(panel->text().contains(QStringLiteral("　　(1/2)　　　全 ")));

    auto* list = qobject_cast<QListView*>(app.windows.widget_of(f.file_lst));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(list->currentIndex().row(), 0);

    // The stretched preview fills its 800 x 600 box with the red screenshot.
    QWidget* preview = app.windows.widget_of(f.img_pre);
    ASSERT_NE(preview, nullptr);
    const QImage red = preview->grab().toImage();
    EXPECT_GT(qRed(red.pixel(red.width() / 2, red.height() / 2)), 150);
    EXPECT_LT(qBlue(red.pixel(red.width() / 2, red.height() / 2)), 80);

    // A user's selection of the second row previews the blue screenshot.
    list->setCurrentIndex(list->model()->index(1, 0));
    ASSERT_TRUE(wait_until([&] { return panel->text().contains(QStringLiteral("(2/2)")); }));
    const QImage blue = preview->grab().toImage();
    EXPECT_GT(qBlue(blue.pixel(blue.width() / 2, blue.height() / 2)), 150);
    EXPECT_TRUE(f.mSave.enabled());
}

TEST(QtProgramWindows, ViewerIsABorderlessFullScreenWindowWithItsLabels) {
    QtProgram app;
    MainWindow& f = app.start();
    app.windows.dispatch([&] { f.view_preview(); });
    ViewerWindow& v = test::win<ViewerWindow>(f);
    FormWindow* viewer = app.windows.window_of(&v);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(wait_until([&] { return viewer->geometry() == QGuiApplication::primaryScreen()->geometry(); }));
    EXPECT_EQ(f.window_state(), WindowState::minimised);

    auto* counter = qobject_cast<QLabel*>(app.windows.widget_of(v.lbl_cnt));
    auto* info = qobject_cast<QLabel*>(app.windows.widget_of(v.lbl_info));
    ASSERT_NE(counter, nullptr);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(counter->text(), QStringLiteral("1/2 (|||||･････)"));
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(info->text(), QStringLiteral("ファイル名：PelmarOnline_2006115_01715.jpg\n保存日時　：") +
                                QString::fromStdString(f.file_lst.item(0).substr(0, 19)));
    // The picture at natural size in the top-left corner; the counter's right edge on its right edge.
    QWidget* picture = app.windows.widget_of(v.img_view);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), QRect(0, 0, 96, 64));
    EXPECT_EQ(counter->geometry().right() + 1, 96);

    // The clipboard gets exactly the picture on the screen.
    app.windows.dispatch([&] { f.copy_to_clipboard(); });
    const QImage clip = QGuiApplication::clipboard()->image();
    ASSERT_EQ(clip.size(), QSize(96, 64));
    EXPECT_EQ(clip.pixel(10, 10) & 0xFFFFFFu, f.img_pre.picture().pixel(10, 10) & 0xFFFFFFu);

    app.windows.dispatch([&] { v.close_view(); });
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_EQ(f.window_state(), WindowState::normal);
}

TEST(QtProgramWindows, SettingsNoticesShowWholeAndNameTheDevelopers) {
    QtProgram app;
    MainWindow& f = app.start();
    test::MainSurface m(f, app.doubles.prompts);
    app.windows.dispatch([&] { m.open_settings(); });
    test::SettingsSurface settings = m.settings();
    ASSERT_TRUE(settings.shown());
    for (const Label* notice : settings.notices()) {
        auto* label = qobject_cast<QLabel*>(app.windows.widget_of(*notice));
        ASSERT_NE(label, nullptr) << notice->name();
        EXPECT_TRUE(label->isVisible()) << notice->name();
        EXPECT_FALSE(label->text().trimmed().isEmpty()) << notice->name();
        // Wrapped within the box, no line cut off at its bottom.
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << notice->name();
    }
    // The disclaimer answers for the program in the developers' name, not a person's.
    EXPECT_NE(settings.notices()[0]->caption().find("Vistelle 開発チーム"), std::string::npos);
}

TEST(QtProgramWindows, EditorDrawsOnItsCanvasInsideTheViewport) {
    QtProgram app;
    MainWindow& f = app.start();
    app.windows.dispatch([&] { test::click_menu(f.mEdit); });
    EditorWindow* e = test::loaded<EditorWindow>(f);
    ASSERT_NE(e, nullptr);
    QWidget* canvas = app.windows.widget_of(e->pct_ss);
    QWidget* viewport = app.windows.widget_of(e->frm_pct);
    QWidget* navigator = app.windows.widget_of(e->img_pre);
    ASSERT_TRUE(canvas && viewport && navigator);
    EXPECT_EQ(canvas->parentWidget(), viewport);
    EXPECT_EQ(viewport->size(), QSize(48, 32));  // a quarter of the 96 x 64 screenshot
    const QColor before = navigator->grab().toImage().pixelColor(5, 2);

    // The pencil draws about one tool picture (16 pixels) up and left of the pointer.
    for (const auto& [type, at, held] : {std::tuple{QEvent::MouseButtonPress, QPoint(36, 28), Qt::LeftButton},
                                         std::tuple{QEvent::MouseMove, QPoint(44, 28), Qt::LeftButton},
                                         std::tuple{QEvent::MouseButtonRelease, QPoint(44, 28), Qt::NoButton}}) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &event);
    }
    const QImage shown = viewport->grab().toImage();
    EXPECT_EQ(shown.pixelColor(24, 12), QColor(0, 0, 0));
    EXPECT_GT(shown.pixelColor(40, 28).red(), 150);  // the pointer's own place is untouched
    EXPECT_NE(navigator->grab().toImage().pixelColor(5, 2), before);
}

QUrl shot_url(const QtProgram& app, const std::string& name) {
    return QUrl::fromLocalFile(
        QFileInfo(QString::fromStdString(join_path(app.folders.shots, name))).absoluteFilePath());
}

// What other programs find on the clipboard after copy as file: the file's address for both
// desktop conventions, as a copy, and no picture left from an earlier copy of the picture.
TEST(QtProgramWindows, CopyAsFileOffersTheFileAndNoPicture) {
    QtProgram app;
    MainWindow& f = app.start();
    app.windows.dispatch([&] { f.copy_to_clipboard(); });
    ASSERT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage());
    app.windows.dispatch([&] { test::click_menu(f.mCopyFile); });
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QUrl url = shot_url(app, "PelmarOnline_2006115_01715.jpg");
    EXPECT_EQ(data->urls(), QList<QUrl>{url});
    EXPECT_EQ(data->data("x-special/gnome-copied-files"), QByteArray("copy\n") + url.toEncoded());
    QStringList formats = data->formats();
    formats.sort();
    EXPECT_EQ(formats, (QStringList{"text/uri-list", "x-special/gnome-copied-files"}));
    EXPECT_FALSE(data->hasImage());
}

// A drop target that takes whatever a drag offers, as a file manager or chat program would.
struct DropTarget : QWidget {
    DropTarget() { setAcceptDrops(true); }
    void dropEvent(QDropEvent* event) override {
        urls = event->mimeData()->urls();
        actions = event->possibleActions();
        event->acceptProposedAction();
    }
    QList<QUrl> urls;
    Qt::DropActions actions;
};

void send_mouse(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, at, to->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(to, &event);
}

// Pressing a line and moving beyond the drag distance drags that line's file out, as a copy
// only; a shorter move stays a plain click.
TEST(QtProgramWindows, DraggingALineCarriesItsFileAsACopy) {
    QtProgram app;
    MainWindow& f = app.start();
    DropTarget target;
    int drags = 0;
    app.windows.run_drag = [&](QDrag& drag, Qt::DropActions actions) {
        ++drags;
        QDropEvent drop(QPointF(5, 5), actions, drag.mimeData(), Qt::LeftButton, Qt::NoModifier);
        target.dropEvent(&drop);
    };
    auto* list = qobject_cast<QListView*>(app.windows.widget_of(f.file_lst));
    ASSERT_NE(list, nullptr);
    QWidget* lines = list->viewport();
    const QPoint second = list->visualRect(list->model()->index(1, 0)).center();
    const int far = QApplication::startDragDistance() + 2;

    send_mouse(lines, QEvent::MouseButtonPress, second, Qt::LeftButton, Qt::LeftButton);
    send_mouse(lines, QEvent::MouseMove, second + QPoint(1, 0), Qt::NoButton, Qt::LeftButton);
    send_mouse(lines, QEvent::MouseButtonRelease, second + QPoint(1, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(drags, 0);
    EXPECT_EQ(f.file_lst.list_index(), 1);

    send_mouse(lines, QEvent::MouseButtonPress, second, Qt::LeftButton, Qt::LeftButton);
    // Moving up across the first line neither selects it nor drags it.
    send_mouse(lines, QEvent::MouseMove, second - QPoint(0, far), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(drags, 1);
    EXPECT_EQ(target.urls, QList<QUrl>{shot_url(app, "PelmarOnline_2006116_01716.jpg")});
    EXPECT_EQ(target.actions, Qt::DropActions(Qt::CopyAction));
    EXPECT_EQ(f.file_lst.list_index(), 1);
    EXPECT_TRUE(std::filesystem::exists(to_fs_path(join_path(app.folders.shots, "PelmarOnline_2006116_01716.jpg"))));
}

}  // namespace
}  // namespace vis
