#include "qt/form_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "qt/colours.h"
#include "qt/control_view.h"
#include "qt/key_codes.h"
#include "qt/menu_tree.h"
#include "qt/qt_window_system.h"
#include "services/start_marks.h"
#include "ui/form_keys.h"
#include "ui/twips.h"
#include "ui/view_roster.h"
#include "ui/window_presence.h"

namespace vis {

namespace {

Qt::WindowStates qt_state(const Form& f) {
    switch (f.window_state()) {
        case WindowState::minimised:
            return Qt::WindowMinimized;
        case WindowState::maximised:
            return covers_screen(f) ? Qt::WindowFullScreen : Qt::WindowMaximized;
        case WindowState::normal:
            break;
    }
    return Qt::WindowNoState;
}

}  // namespace

FormWindow::FormWindow(QtWindowSystem& system, Form& form)
    : QWidget(nullptr), system_(system), form_(&form), client_(new QWidget(this)) {
    applied_flags_ = windowFlags();
}

FormWindow::~FormWindow() = default;

void FormWindow::detach() {
    form_ = nullptr;
    for (ControlView* v : views_) v->detach();
    if (menus_) menus_->detach();
}

void FormWindow::sync() {
    if (form_ == nullptr) return;
    sync_controls();
    sync_menus();
    sync_window();
    sync_focus(*form_);
}

void FormWindow::sync_controls() {
    follow_controls(
        views_, form_->controls(), [this](Control& c) { return make_control_view(*this, c); },
        [](ControlView* v) {
            v->detach();
            v->deleteLater();
        });
}

void FormWindow::sync_menus() {
    const auto& tops = form_->menu_bar();
    if (tops.size() != menus_built_) {
        if (bar_) {
            menus_->detach();
            bar_->hide();
            bar_->deleteLater();
        }
        bar_ = new QMenuBar(this);
        menus_ = new MenuTree(&system_, bar_);
        menus_->fill_bar(*bar_, tops);
        bar_->show();
        menus_built_ = tops.size();
        applied_size_ = QSize();
        layout_children();
    }
    if (menus_) menus_->sync();
}

Qt::WindowFlags FormWindow::flags_for(const Form& f) const {
    Qt::WindowFlags flags = Qt::Window;
    const Qt::WindowFlags framed =
        Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (f.border_style()) {
        case BorderStyle::none:
            flags |= Qt::FramelessWindowHint;
            break;
        case BorderStyle::fixed_single:
            flags |= framed;
            if (f.min_button()) flags |= Qt::WindowMinimizeButtonHint;
            break;
        case BorderStyle::fixed_dialog:
            flags |= framed;
            break;
        case BorderStyle::sizable:
            flags |= framed | Qt::WindowMaximizeButtonHint;
            if (f.min_button()) flags |= Qt::WindowMinimizeButtonHint;
            break;
    }
    if (f.topmost()) flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

void FormWindow::sync_window() {
    const Form& f = *form_;
    if (!rendered_.moved_on(f.revision())) return;

    setWindowTitle(QString::fromStdString(f.caption()));
    const Qt::WindowFlags flags = flags_for(f);
    if (flags != applied_flags_) {
        applied_flags_ = flags;
        // Hides a shown window; apply_visibility shows it again.
        setWindowFlags(flags);
    }
    setAutoFillBackground(f.back_colour() != kDefaultColour);
    set_colour_role(*this, QPalette::Window, f.back_colour());
    // A form with its own key handler or shortcuts takes the keyboard itself when no control has it.
    setFocusPolicy(f.on_key_down || f.on_shortcut ? Qt::StrongFocus : Qt::NoFocus);
    apply_size(f);
    apply_visibility(f);
}

void FormWindow::apply_size(const Form& f) {
    const bool fixed = f.window_state() != WindowState::maximised &&
                       (f.border_style() == BorderStyle::fixed_single || f.border_style() == BorderStyle::fixed_dialog);
    if (f.window_state() == WindowState::maximised) {
        if (applied_fixed_) {
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            applied_fixed_ = false;
        }
        // Back in the normal state, the window takes its own size again.
        applied_size_ = QSize();
        return;
    }
    // A window the player maximised keeps the window manager's size.
    if (isMaximized()) return;
    const ScreenInfo s = system_.screen();
    const int bar_height = bar_ ? bar_->sizeHint().height() : 0;
    const QSize size(twips_to_px(f.client_width(), s.twips_per_pixel_x),
                     twips_to_px(f.client_height(), s.twips_per_pixel_y) + bar_height);
    if (size == applied_size_ && fixed == applied_fixed_) return;
    applied_size_ = size;
    applied_fixed_ = fixed;
    if (fixed) {
        setFixedSize(size);
    } else {
        setMinimumSize(twips_to_px(f.min_client_width(), s.twips_per_pixel_x),
                       twips_to_px(f.min_client_height(), s.twips_per_pixel_y) + bar_height);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(size);
    }
}

void FormWindow::apply_visibility(const Form& f) {
    if (!f.visible()) {
        if (isVisible()) hide();
        return;
    }
    const bool showing = !isVisible();
    if (presence_.state_due(f, showing)) {
        const Qt::WindowStates state = qt_state(f);
        // Full screen is the window manager's job; without one the window still covers the screen.
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (state == Qt::WindowFullScreen && screen != nullptr) setGeometry(screen->geometry());
        setWindowState(state);
    }
    if (showing) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const bool first_show = presence_.first_showing(showing);
        if (first_show && f.centred() && screen != nullptr)
            move(screen->availableGeometry().center() - rect().center());
        show();
        if (first_show) start_mark(f.name() + " shown");
    }
    if (presence_.raise_due(f)) {
        raise();
        activateWindow();
    }
}

void FormWindow::sync_focus(const Form& f) {
    if (!focused_.moved_on(f.focus_serial())) return;
    if (f.focus() == nullptr) return;
    if (const ControlView* v = view_of(*f.focus()); v && v->widget()) v->widget()->setFocus(Qt::OtherFocusReason);
}

ControlView* FormWindow::view_of(const Control& c) const {
    for (ControlView* v : views_)
        if (v->control() == &c) return v;
    return nullptr;
}

QPoint FormWindow::to_global(int x_twips, int y_twips) const {
    const ScreenInfo s = system_.screen();
    return client_->mapToGlobal(
        QPoint(twips_to_px(x_twips, s.twips_per_pixel_x), twips_to_px(y_twips, s.twips_per_pixel_y)));
}

bool FormWindow::route_form_key(const QKeyEvent& event) {
    return offer_key_to_form(form_, program_key_code(event.key(), event.modifiers()), program_shift(event.modifiers()),
                             [this](const std::function<void()>& handler) { system_.dispatch(handler); });
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The program decides: it hides the form, ends the program, or refuses.
    event->ignore();
    if (Form* f = form_) system_.dispatch([f] { f->request_close(); });
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (!route_form_key(*event)) QWidget::keyPressEvent(event);
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout_children();
    report_size();
}

void FormWindow::report_size() {
    // Only the player's sizes: the window takes its form's own size (applied_size_) when shown.
    Form* f = form_;
    if (f == nullptr || !isVisible() || isMinimized() || f->border_style() != BorderStyle::sizable ||
        f->window_state() != WindowState::normal || size() == applied_size_)
        return;
    applied_size_ = size();
    const ScreenInfo s = system_.screen();
    const int width = px_to_twips(client_->width(), s.twips_per_pixel_x);
    const int height = px_to_twips(client_->height(), s.twips_per_pixel_y);
    system_.dispatch([f, width, height] { f->client_resized(width, height); });
}

void FormWindow::layout_children() {
    int bar_height = 0;
    if (bar_) {
        bar_height = bar_->heightForWidth(width());
        if (bar_height <= 0) bar_height = bar_->sizeHint().height();
        bar_->setGeometry(0, 0, width(), bar_height);
    }
    client_->setGeometry(0, bar_height, width(), std::max(0, height() - bar_height));
}

}  // namespace vis
