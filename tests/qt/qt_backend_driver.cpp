// The Qt side of the tests both systems run: real widgets under the offscreen platform, input as
// Qt events, and what screen readers read through Qt's accessibility interfaces.
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <array>
#include <utility>

#include "backend/backend_driver.h"
#include "qt/form_window.h"
#include "qt/qt_clipboard.h"
#include "qt/qt_folder_watch.h"
#include "qt/qt_http.h"
#include "qt/qt_instance_guard.h"
#include "qt/qt_prompts.h"
#include "qt/qt_text_metrics.h"
#include "qt/qt_text_painter.h"
#include "qt/qt_window_system.h"
#include "ui/keys.h"

namespace vis::test {
namespace {

Qt::Key qt_key(int code) {
    static constexpr std::array<std::pair<int, Qt::Key>, 10> kKeys{{{key::kSpace, Qt::Key_Space},
                                                                    {key::kPageUp, Qt::Key_PageUp},
                                                                    {key::kPageDown, Qt::Key_PageDown},
                                                                    {key::kEnd, Qt::Key_End},
                                                                    {key::kHome, Qt::Key_Home},
                                                                    {key::kLeft, Qt::Key_Left},
                                                                    {key::kUp, Qt::Key_Up},
                                                                    {key::kRight, Qt::Key_Right},
                                                                    {key::kDown, Qt::Key_Down},
                                                                    {key::kDelete, Qt::Key_Delete}}};
    for (const auto& [program, qt] : kKeys)
        if (program == code) return qt;
    return static_cast<Qt::Key>(code);  // letters and digits share their codes
}

Qt::KeyboardModifiers qt_modifiers(int shift) {
    Qt::KeyboardModifiers m;
    if (shift & shift::kShift) m |= Qt::ShiftModifier;
    if (shift & shift::kCtrl) m |= Qt::ControlModifier;
    if (shift & shift::kAlt) m |= Qt::AltModifier;
    return m;
}

Qt::MouseButton qt_button(int button) {
    return button == button::kRight ? Qt::RightButton : button == button::kMiddle ? Qt::MiddleButton : Qt::LeftButton;
}

MsgResult answer_of(QMessageBox::StandardButton b) {
    return b == QMessageBox::Yes  ? MsgResult::yes
           : b == QMessageBox::No ? MsgResult::no
           : b == QMessageBox::Ok ? MsgResult::ok
                                  : MsgResult::cancel;
}

MsgIcon program_icon(QMessageBox::Icon icon) {
    switch (icon) {
        case QMessageBox::Critical:
            return MsgIcon::critical;
        case QMessageBox::Question:
            return MsgIcon::question;
        case QMessageBox::Warning:
            return MsgIcon::exclamation;
        case QMessageBox::Information:
            return MsgIcon::information;
        case QMessageBox::NoIcon:
            break;
    }
    return MsgIcon::none;
}

// An entry's place among all of a form's menu entries, hidden ones and separators too, in the
// order they appear: the way the menu bar binds its actions.
inline int menu_place(const Form& f, const Menu& entry) {
    int place = 0;
    const std::function<bool(const std::vector<Menu*>&)> walk = [&](const std::vector<Menu*>& entries) {
        for (const Menu* e : entries) {
            if (e == &entry) return true;
            ++place;
            if (walk(e->entries())) return true;
        }
        return false;
    };
    return walk(f.menu_bar()) ? place : -1;
}

class QtBackendDriver : public BackendDriver {
public:
    WindowSystem& windows() override { return windows_; }
    std::string program_folder() override { return windows_.program_folder(); }
    std::unique_ptr<FolderWatch> folder_watch() override { return std::make_unique<QtFolderWatch>(windows_); }
    std::unique_ptr<Http> http() override { return std::make_unique<QtHttp>(windows_); }
    std::unique_ptr<Prompts> prompts() override { return std::make_unique<QtPrompts>(windows_); }
    std::unique_ptr<TextPainter> text_painter() override { return std::make_unique<QtTextPainter>(); }
    std::unique_ptr<TextMetrics> text_metrics() override { return std::make_unique<QtTextMetrics>(windows_); }
    std::unique_ptr<Clipboard> clipboard() override { return std::make_unique<QtClipboard>(); }
    Picture pasted_picture() override {
        const QImage image = QGuiApplication::clipboard()->image();
        auto pixels = std::make_shared<std::vector<std::uint32_t>>();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) pixels->push_back(0xFF000000u | image.pixel(x, y));
        return {image.width(), image.height(), pixels};
    }
    std::unique_ptr<InstanceGuard> instance_guard(const std::string& program_folder) override {
        return std::make_unique<QtInstanceGuard>(program_folder);
    }
    SeenBox answer_box(MsgResult press, const std::function<void()>& ask) override {
        SeenBox seen;
        QTimer::singleShot(50, [&seen, press] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            seen.title = box->windowTitle().toStdString();
            seen.text = box->text().toStdString();
            seen.icon = program_icon(box->icon());
            seen.buttons = static_cast<int>(box->buttons().size());
            if (box->defaultButton() != nullptr)
                seen.default_button = answer_of(box->standardButton(box->defaultButton()));
            for (QAbstractButton* b : box->buttons())
                if (answer_of(box->standardButton(b)) == press) b->click();
        });
        // Should the press not get through, the box is closed from here and the test fails, not hangs.
        QTimer::singleShot(3000, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->reject();
        });
        ask();
        return seen;
    }

    void press_and_let_go(const Control& c, ViewPoint at, int button, int shift, ViewPoint let_go) override {
        mouse(c, QEvent::MouseButtonPress, at, qt_button(button), shift);
        mouse(c, QEvent::MouseButtonRelease, let_go, qt_button(button), shift);
    }
    // Qt grabs the mouse for the widget pressed: the move and release go to it.
    void drag(const Control& c, ViewPoint from, ViewPoint to) override {
        mouse(c, QEvent::MouseButtonPress, from, Qt::LeftButton, 0);
        mouse(c, QEvent::MouseMove, to, Qt::LeftButton, 0);
        mouse(c, QEvent::MouseButtonRelease, to, Qt::LeftButton, 0);
    }
    // Qt tells a widget of moves with no button held only when it tracks the mouse.
    void move(const Control& c, ViewPoint at) override {
        if (input(c)->hasMouseTracking()) mouse(c, QEvent::MouseMove, at, Qt::NoButton, 0);
    }
    void double_click(const Control& c, ViewPoint at) override {
        press(c, at, button::kLeft, 0);
        mouse(c, QEvent::MouseButtonDblClick, at, Qt::LeftButton, 0);
        mouse(c, QEvent::MouseButtonRelease, at, Qt::LeftButton, 0);
    }
    void key(const Control& c, int key_code, int shift) override {
        QWidget* w = widget(c);
        w->setFocus();
        QTest::keyClick(w, qt_key(key_code), qt_modifiers(shift));
    }
    void page_down(const Control& c) override {
        area(c)->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    }
    void scroll_to_top(const Control& c) override {
        area(c)->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    }

    void type(const Control& c, const std::string& text, int at) override {
        auto* combo = qobject_cast<QComboBox*>(widget(c));
        QLineEdit* line = combo != nullptr ? combo->lineEdit() : qobject_cast<QLineEdit*>(widget(c));
        if (line == nullptr) return;
        line->setFocus();
        line->setCursorPosition(at < 0 ? static_cast<int>(line->text().size()) : at);
        if (text == "\r") {
            QTest::keyClick(line, Qt::Key_Return);
            return;
        }
        for (const QChar c : QString::fromStdString(text)) {
            QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(line, &event);
        }
    }
    // The list's choice: the combo shows the item and tells of the user's pick.
    void choose_item(const ComboBox& c, int index) override {
        auto* combo = qobject_cast<QComboBox*>(widget(c));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void step_right(const ScrollBar& b) override {
        qobject_cast<QScrollBar*>(widget(b))->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    void drag_box(const ScrollBar& b, int value) override {
        auto* bar = qobject_cast<QScrollBar*>(widget(b));
        bar->setSliderDown(true);
        bar->setSliderPosition(value);
        bar->setSliderDown(false);
    }

    void shortcut_key(const Control& focused, int key_code, int shift) override {
        QWidget* window = widget(focused)->window();
        window->activateWindow();
        run_until([window] { return window->isActiveWindow(); });
        key(focused, key_code, shift);
    }
    void choose_menu(const Form& f, const Menu& entry) override {
        std::vector<QAction*> actions;
        all_actions(windows_.window_of(&f)->findChild<QMenuBar*>()->actions(), actions);
        actions.at(static_cast<std::size_t>(menu_place(f, entry)))->trigger();
    }
    std::vector<std::string> shown_menus(const Form& f) override {
        std::vector<std::string> lines;
        shown_menus(windows_.window_of(&f)->findChild<QMenuBar*>()->actions(), "", lines);
        return lines;
    }

    // A window manager's sizes arrive as events.
    void drag_frame_to(const Form& f, ViewPoint size) override {
        FormWindow* w = windows_.window_of(&f);
        w->resize(QSize(size.x, size.y) + w->size() - w->client().size());
        run_for(50);
    }
    void maximise(const Form& f, bool maximised) override {
        FormWindow* w = windows_.window_of(&f);
        w->setWindowState(maximised ? Qt::WindowMaximized : Qt::WindowNoState);
        run_for(50);
    }
    bool sizable_by_player(const Form& f) override {
        const FormWindow* w = windows_.window_of(&f);
        return (w->windowFlags() & Qt::WindowMaximizeButtonHint) && w->minimumSize() != w->maximumSize();
    }

    void close_by_frame(const Form& f) override { windows_.window_of(&f)->close(); }
    bool window_shown(const Form& f) override { return windows_.window_of(&f)->isVisible(); }
    std::string window_title(const Form& f) override { return windows_.window_of(&f)->windowTitle().toStdString(); }
    ViewPoint window_client_size(const Form& f) override {
        const QSize size = windows_.window_of(&f)->client().size();
        return {size.width(), size.height()};
    }
    std::string shown_text(const Control& c) override {
        const auto* label = qobject_cast<QLabel*>(widget(c));
        return label != nullptr ? label->text().toStdString() : "(no label)";
    }
    Rect shown_place(const Control& c) override {
        const QRect r = widget(c)->geometry();
        return {r.left(), r.top(), r.width(), r.height()};
    }
    bool control_shown(const Control& c) override { return widget(c)->isVisible(); }
    ShownControl shown_control(const Control& c) override {
        QWidget* w = widget(c);
        ShownControl s;
        s.enabled = w->isEnabled();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            s.text = button->text().toStdString();
            s.checked = button->isChecked();
        } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
            s.text = line->text().toStdString();
            s.read_only = line->isReadOnly();
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            s.text = combo->currentText().toStdString();
            for (int i = 0; i < combo->count(); ++i) s.items.push_back(combo->itemText(i).toStdString());
        } else if (auto* slider = qobject_cast<QAbstractSlider*>(w)) {
            s = {.enabled = s.enabled, .value = slider->value(), .min = slider->minimum(), .max = slider->maximum()};
        } else if (auto* progress = qobject_cast<QProgressBar*>(w)) {
            s = {.enabled = s.enabled,
                 .value = progress->value(),
                 .min = progress->minimum(),
                 .max = progress->maximum()};
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            s.text = group->title().toStdString();
        }
        return s;
    }

    ViewPoint client_size(const Control& c) override { return {input(c)->width(), input(c)->height()}; }
    // What the screen shows there: the window drawn with what lies under and over the control.
    std::uint32_t pixel(const Control& c, ViewPoint at) override {
        QWidget* top = input(c)->window();
        const QPoint p = input(c)->mapTo(top, QPoint(at.x, at.y));
        return top->grab(QRect(p, QSize(1, 1))).toImage().pixel(0, 0) & 0xFFFFFFu;
    }
    std::string spoken(const Control& c) override { return widget(c)->accessibleName().toStdString(); }
    int scroll_position(const Control& c) override { return area(c)->verticalScrollBar()->value(); }

    int shown_count(const ListBox& l) override { return table(l)->rowCount(); }
    // What the line's accessible cell speaks, read from the view's model: without a screen reader
    // running (none runs offscreen) Qt keeps cells made earlier on the rows they were made for.
    std::string shown_line(const ListBox& l, int row) override {
        return list(l)->model()->index(row, 0).data(Qt::AccessibleTextRole).toString().toStdString();
    }
    int shown_selection(const ListBox& l) override {
        const QModelIndexList rows = list(l)->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.size() == 1 ? rows.front().row() : -2;
    }
    bool line_in_view(const ListBox& l, int row) override {
        return list(l)->viewport()->rect().contains(line_rect(l, row));
    }
    ViewPoint middle_of_line(const ListBox& l, int row) override {
        const QPoint middle = line_rect(l, row).center();
        return {middle.x(), middle.y()};
    }

private:
    QWidget* widget(const Control& c) const { return windows_.widget_of(c); }
    QAbstractScrollArea* area(const Control& c) const { return qobject_cast<QAbstractScrollArea*>(widget(c)); }
    // Where the mouse goes: a scroll area's viewport, or the widget itself.
    QWidget* input(const Control& c) const {
        QAbstractScrollArea* a = area(c);
        return a != nullptr ? a->viewport() : widget(c);
    }
    QListView* list(const ListBox& l) const { return qobject_cast<QListView*>(widget(l)); }
    QAccessibleTableInterface* table(const ListBox& l) const {
        return QAccessible::queryAccessibleInterface(widget(l))->tableInterface();
    }
    QRect line_rect(const ListBox& l, int row) const { return list(l)->visualRect(list(l)->model()->index(row, 0)); }

    static void all_actions(const QList<QAction*>& entries, std::vector<QAction*>& into) {
        for (QAction* a : entries) {
            into.push_back(a);
            if (a->menu() != nullptr) all_actions(a->menu()->actions(), into);
        }
    }
    static void shown_menus(const QList<QAction*>& entries, const std::string& indent,
                            std::vector<std::string>& lines) {
        for (const QAction* a : entries) {
            if (!a->isVisible()) continue;
            std::string line = indent + (a->isSeparator() ? "-" : a->text().toStdString());
            if (!a->shortcut().isEmpty())
                line += "\t" + a->shortcut().toString(QKeySequence::PortableText).toStdString();
            if (a->isChecked()) line += " ✓";
            if (!a->isEnabled()) line += " (grey)";
            lines.push_back(line);
            if (a->menu() != nullptr) shown_menus(a->menu()->actions(), indent + "  ", lines);
        }
    }

    void mouse(const Control& c, QEvent::Type type, ViewPoint at, Qt::MouseButton button, int shift) {
        QWidget* target = input(c);
        const QPoint p(at.x, at.y);
        // A move tells which buttons are held; it is no button's own event.
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, p, target->mapToGlobal(p), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                          qt_modifiers(shift));
        QCoreApplication::sendEvent(target, &event);
    }

    QTemporaryDir folder_;
    QtWindowSystem windows_{folder_.path().toStdString()};
};

}  // namespace

std::unique_ptr<BackendDriver> make_backend_driver() {
    return std::make_unique<QtBackendDriver>();
}

}  // namespace vis::test
