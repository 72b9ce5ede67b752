// What only Qt's prompts do (the message boxes both systems show alike are in tests/backend): a
// box whose window closes meanwhile, Qt's own texts, the file and colour dialogs.
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include "qt/file_filter.h"
#include "qt/qt_prompts.h"
#include "qt_fixture.h"
#include "support/posix/wine_prefix.h"

namespace vis::test {
namespace {

TEST_F(QtBackendTest, BoxWhoseWindowIsClosedMeanwhileGivesTheSafeAnswer) {
    struct EditorForm : Form {
        explicit EditorForm(WindowSystem& ws) : Form(ws, "EditorWindow", "editor") {}
    };
    auto editor = std::make_unique<EditorForm>(windows);
    editor->show();
    windows.render();
    QtPrompts prompts(windows);
    MessageBox box;
    box.text = "保存しますか？";
    box.buttons = MsgButtons::yes_no_cancel;
    box.owner = editor.get();
    // A timer tick closes the editor for good while its question waits.
    QTimer::singleShot(50, [&] {
        editor.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    EXPECT_EQ(prompts.message_box(box), MsgResult::cancel);
    EXPECT_EQ(editor, nullptr);
}

TEST_F(QtBackendTest, QtsOwnDialogTextsAreJapanese) {
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("ファイル名(&N):"));
}

TEST(FileFilter, ProgramFilterBecomesQtNameFilters) {
    EXPECT_EQ(to_name_filters("スクリーンショット(*.jpg)|*.jpg|すべてのファイル(*.*)|*.*"),
              (QStringList{QStringLiteral("スクリーンショット(*.jpg) (*.jpg)"),
                           QStringLiteral("すべてのファイル(*.*) (*.*)")}));
    EXPECT_EQ(to_name_filters("JPEG|*.jpg;*.jpeg"), QStringList{QStringLiteral("JPEG (*.jpg *.jpeg)")});
    EXPECT_TRUE(to_name_filters("").isEmpty());
    // A description without a pattern is dropped rather than offered as an empty filter.
    EXPECT_EQ(to_name_filters("JPEG|*.jpg|broken"), QStringList{QStringLiteral("JPEG (*.jpg)")});
}

TEST(FileFilter, DefaultExtensionOnlyWhenTheNameHasNone) {
    EXPECT_EQ(with_default_extension("/tmp/x", ".jpg"), "/tmp/x.jpg");
    EXPECT_EQ(with_default_extension("/tmp/x", "jpg"), "/tmp/x.jpg");
    EXPECT_EQ(with_default_extension("/tmp/x.png", ".jpg"), "/tmp/x.png");
    EXPECT_EQ(with_default_extension("/tmp/x.", ".jpg"), "/tmp/x.jpg");
    EXPECT_EQ(with_default_extension("/tmp/.hidden", ".jpg"), "/tmp/.hidden.jpg");
    EXPECT_EQ(with_default_extension("C:\\shots.d\\x", ".jpg"), "C:\\shots.d\\x.jpg");
    EXPECT_EQ(with_default_extension("/tmp/x", ""), "/tmp/x");
    EXPECT_EQ(with_default_extension("", ".jpg"), "");
}

TEST_F(QtBackendTest, SaveDialogStartsInTheFolderAndAddsTheExtension) {
    QtPrompts prompts(windows);
    FileDialog request;
    request.filter = "スクリーンショット(*.jpg)|*.jpg";
    request.initial_folder = folder.path().toStdString();
    request.file_name = "PelmarOnline_2006115_01715.jpg";
    request.default_extension = ".jpg";
    QString shown_folder, shown_filter;
    QStringList shown_files;
    QTimer::singleShot(50, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        shown_folder = dialog->directory().absolutePath();
        shown_files = dialog->selectedFiles();
        shown_filter = dialog->selectedNameFilter();
        // The user types a name without extension.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name == nullptr) return;
        name->setText(QStringLiteral("mine"));
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen = prompts.save_file(request);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, QDir(folder.path()).filePath("mine.jpg").toStdString());
    EXPECT_EQ(shown_folder, QDir(folder.path()).absolutePath());
    ASSERT_EQ(shown_files.size(), 1);
    EXPECT_TRUE(shown_files[0].endsWith(QStringLiteral("/PelmarOnline_2006115_01715.jpg")));
    // The user sees the program's own description.
    EXPECT_EQ(shown_filter, QStringLiteral("スクリーンショット(*.jpg)"));

    QTimer::singleShot(50, [] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) dialog->reject();
    });
    EXPECT_FALSE(prompts.save_file(request).has_value());
}

TEST_F(QtBackendTest, DialogForAMissingFolderStartsInTheNearestExistingOne) {
    QtPrompts prompts(windows);
    // What the dialog showed: its folder and the text of its name box.
    auto shown = [&](const std::string& initial, const std::string& name, bool save) {
        FileDialog request;
        request.initial_folder = initial;
        request.file_name = name;
        std::pair<std::string, std::string> seen;
        QTimer::singleShot(50, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            seen.first = dialog->directory().absolutePath().toStdString();
            if (auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                seen.second = box->text().toStdString();
            dialog->reject();
        });
        EXPECT_FALSE((save ? prompts.save_file(request) : prompts.open_file(request)).has_value());
        return seen;
    };
    const std::string here = QDir(folder.path()).absolutePath().toStdString();
    const std::string gone = QDir(folder.path()).filePath("gone/deeper").toStdString();
    EXPECT_EQ(shown(gone, "", false), std::make_pair(here, std::string()));
    EXPECT_EQ(shown(gone, "Edit_a.jpg", true), std::make_pair(here, std::string("Edit_a.jpg")));
    EXPECT_EQ(shown("relative\\folder", "", false), std::make_pair(QDir::homePath().toStdString(), std::string()));

    // A Windows path starts in its folder inside the Wine prefix, or the nearest one there.
    const std::string prefix = QDir(folder.path()).filePath("wine").toStdString();
    const std::string game = test::make_wine_prefix(prefix) + "/Program Files/QUORIX/Pelmar Online";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(game)));
    const test::ScopedEnv wineprefix("WINEPREFIX", prefix);
    EXPECT_EQ(shown("C:\\Program Files\\quorix\\Pelmar Online", "", false), std::make_pair(game, std::string()));
    EXPECT_EQ(shown("C:\\Program Files\\QUORIX\\Pelmar Online\\Screen Save", "", false),
              std::make_pair(game, std::string()));
}

TEST_F(QtBackendTest, ColourDialogSpeaksTheProgramsColourValues) {
    QtPrompts prompts(windows);
    QColor shown;
    QTimer::singleShot(50, [&] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        shown = dialog->currentColor();
        dialog->setCurrentColor(QColor(1, 2, 3));
        dialog->accept();
    });
    const auto chosen = prompts.choose_colour(rgb(255, 128, 0), nullptr);
    EXPECT_EQ(shown, QColor(255, 128, 0));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, 1u + 256u * 2u + 65536u * 3u);
}

}  // namespace
}  // namespace vis::test
