#include "qt/qt_prompts.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <utility>
#include <vector>

#include "qt/file_filter.h"
#include "qt/form_window.h"
#include "qt/menu_tree.h"
#include "qt/qt_window_system.h"
#include "services/paths.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace vis {

namespace {

QMessageBox::Icon qt_icon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::critical:
            return QMessageBox::Critical;
        case MsgIcon::question:
            return QMessageBox::Question;
        case MsgIcon::exclamation:
            return QMessageBox::Warning;
        case MsgIcon::information:
            return QMessageBox::Information;
        case MsgIcon::none:
            break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonChoice {
    QMessageBox::StandardButton standard;
    const char* caption;  // as a Japanese system labels its standard buttons
    MsgResult result;
};

std::vector<ButtonChoice> buttons_of(MsgButtons buttons) {
    const ButtonChoice ok{QMessageBox::Ok, "OK", MsgResult::ok};
    const ButtonChoice cancel{QMessageBox::Cancel, "キャンセル", MsgResult::cancel};
    const ButtonChoice yes{QMessageBox::Yes, "はい(&Y)", MsgResult::yes};
    const ButtonChoice no{QMessageBox::No, "いいえ(&N)", MsgResult::no};
    switch (buttons) {
        case MsgButtons::ok_cancel:
            return {ok, cancel};
        case MsgButtons::yes_no:
            return {yes, no};
        case MsgButtons::yes_no_cancel:
            return {yes, no, cancel};
        case MsgButtons::ok:
            break;
    }
    return {ok};
}

// A dialog owned by a window that the program may close while the dialog waits: the window
// then takes the dialog with it, and the dialog's answer is "none".
template <class Dialog>
class Owned {
public:
    explicit Owned(Dialog* dialog) : dialog_(dialog) {}
    ~Owned() { delete dialog_.data(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Dialog* operator->() const { return dialog_.data(); }
    Dialog& operator*() const { return *dialog_; }
    bool gone() const { return dialog_.isNull(); }

private:
    QPointer<Dialog> dialog_;
};

// Where a file dialog starts: the nearest existing folder up the asked one, else the home
// folder. Qt takes a folder that does not exist for a file name and puts the whole path into
// the name box; a Windows path is looked for in the Wine prefix.
QString start_folder(const std::string& asked) {
    QString folder = QDir::cleanPath(QDir::fromNativeSeparators(QString::fromStdString(host_path(asked))));
    if (folder.isEmpty() || QDir::isRelativePath(folder)) return QDir::homePath();
    while (!QFileInfo(folder).isDir()) {
        const QString up = QFileInfo(folder).path();
        if (up == folder) return QDir::homePath();
        folder = up;
    }
    return folder;
}

}  // namespace

MsgResult QtPrompts::message_box(const MessageBox& box) {
    if (windows_.quitting()) return way_out(box.buttons);
    windows_.render();
    const Owned<QMessageBox> dialog(new QMessageBox(windows_.dialog_parent(box.owner)));
    // A box given no title shows the program's name, as the program set it at start-up.
    dialog->setWindowTitle(box.title.empty() ? QCoreApplication::applicationName() : QString::fromStdString(box.title));
    dialog->setTextFormat(Qt::PlainText);
    QString text = QString::fromStdString(box.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    dialog->setText(text);
    dialog->setIcon(qt_icon(box.icon));

    const std::vector<ButtonChoice> choices = buttons_of(box.buttons);
    std::vector<std::pair<QAbstractButton*, MsgResult>> answers;
    for (const ButtonChoice& choice : choices) {
        QPushButton* b = dialog->addButton(choice.standard);
        b->setText(QString::fromUtf8(choice.caption));
        answers.emplace_back(b, choice.result);
    }
    const int chosen_default =
        box.default_button >= 0 && box.default_button < static_cast<int>(choices.size()) ? box.default_button : 0;
    dialog->setDefaultButton(static_cast<QPushButton*>(answers[static_cast<std::size_t>(chosen_default)].first));
    dialog->exec();
    if (dialog.gone() || windows_.quitting()) return way_out(box.buttons);
    for (const auto& [button, result] : answers)
        if (dialog->clickedButton() == button) return result;
    return way_out(box.buttons);
}

std::optional<std::string> QtPrompts::file_dialog(const FileDialog& request, bool save) {
    if (windows_.quitting()) return std::nullopt;
    windows_.render();
    const Owned<QFileDialog> dialog(new QFileDialog(windows_.dialog_parent(request.owner),
                                                    QString::fromStdString(request.title),
                                                    start_folder(request.initial_folder)));
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks its own overwrite question; the descriptions already name their patterns.
    dialog->setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails);
    const QStringList filters = to_name_filters(request.filter);
    if (!filters.isEmpty()) dialog->setNameFilters(filters);
    if (!request.file_name.empty()) dialog->selectFile(QString::fromStdString(request.file_name));
    if (dialog->exec() != QDialog::Accepted || dialog.gone() || windows_.quitting()) return std::nullopt;
    const QStringList files = dialog->selectedFiles();
    if (files.isEmpty()) return std::string();
    const std::string path = QDir::toNativeSeparators(files.front()).toStdString();
    return with_default_extension(path, request.default_extension);
}

std::optional<std::string> QtPrompts::save_file(const FileDialog& dialog) {
    return file_dialog(dialog, true);
}

std::optional<std::string> QtPrompts::open_file(const FileDialog& dialog) {
    return file_dialog(dialog, false);
}

std::optional<Colour> QtPrompts::choose_colour(Colour initial, const Form* owner) {
    if (windows_.quitting()) return std::nullopt;
    windows_.render();
    const Owned<QColorDialog> dialog(new QColorDialog(windows_.dialog_parent(owner)));
    dialog->setCurrentColor(QColor(red_of(initial), green_of(initial), blue_of(initial)));
    if (dialog->exec() != QDialog::Accepted || dialog.gone() || windows_.quitting()) return std::nullopt;
    const QColor chosen = dialog->selectedColor();
    if (!chosen.isValid()) return std::nullopt;
    return rgb(chosen.red(), chosen.green(), chosen.blue());
}

void QtPrompts::popup_menu(Menu& menu, Form& form, int x, int y) {
    if (windows_.quitting()) return;
    windows_.render();
    FormWindow* window = windows_.window_of(&form);
    const Owned<QMenu> popup(new QMenu(window));
    MenuTree tree(nullptr);
    tree.fill_menu(*popup, menu.entries());
    const QPoint at = window ? window->to_global(x, y) : QCursor::pos();
    QAction* chosen = popup->exec(at);
    if (popup.gone() || windows_.quitting()) return;
    Menu* entry = tree.entry_of(chosen);
    if (entry == nullptr || !tree.reachable(*entry)) return;
    if (entry->on_click) entry->on_click();
}

}  // namespace vis
