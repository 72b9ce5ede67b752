#include "qt/qt_window_system.h"

#include <QApplication>
#include <QDrag>
#include <QLibraryInfo>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "qt/control_view.h"
#include "qt/fonts.h"
#include "qt/form_window.h"
#include "ui/control.h"
#include "ui/form.h"

namespace vis {

QtWindowSystem::QtWindowSystem(std::string program_folder)
    : program_folder_(std::move(program_folder)), post_target_(std::make_unique<QObject>()) {
    install_font_substitutes();
    // Qt's own dialogs (files, colours) speak the program's language.
    if (qt_texts_.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_texts_);
    // Hiding or closing windows never ends the program by itself: the program decides.
    QApplication::setQuitOnLastWindowClosed(false);
    run_drag = [](QDrag& drag, Qt::DropActions actions) { drag.exec(actions, Qt::CopyAction); };
}

QtWindowSystem::~QtWindowSystem() {
    for (Entry& e : windows_) {
        e.window->detach();
        delete e.window;
    }
    // Windows of forms removed earlier were only scheduled for deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtWindowSystem::add_form(Form& f) {
    windows_.push_back({&f, new FormWindow(*this, f)});
}

void QtWindowSystem::remove_form(Form& f) {
    const auto it = std::find_if(windows_.begin(), windows_.end(), [&](const Entry& e) { return e.form == &f; });
    if (it == windows_.end()) return;
    FormWindow* window = it->window;
    windows_.erase(it);
    window->detach();
    window->hide();
    // The window may be handling the very event that closed its form.
    window->deleteLater();
}

ScreenInfo QtWindowSystem::screen() const {
    ScreenInfo info;
    const QScreen* s = QGuiApplication::primaryScreen();
    if (s == nullptr) return info;
    const double dpi_x = s->logicalDotsPerInchX() > 0 ? s->logicalDotsPerInchX() : 96.0;
    const double dpi_y = s->logicalDotsPerInchY() > 0 ? s->logicalDotsPerInchY() : 96.0;
    info.twips_per_pixel_x = 1440.0 / dpi_x;
    info.twips_per_pixel_y = 1440.0 / dpi_y;
    info.width_twips = static_cast<int>(s->geometry().width() * info.twips_per_pixel_x + 0.5);
    info.height_twips = static_cast<int>(s->geometry().height() * info.twips_per_pixel_y + 0.5);
    info.device_pixel_ratio = s->devicePixelRatio() > 0 ? s->devicePixelRatio() : 1.0;
    return info;
}

bool QtWindowSystem::shown_on_screen() {
    // Exposed is on the screen and painted: a widget paints as soon as it is exposed.
    for (const Entry& e : windows_) {
        if (!e.window->isVisible() || e.window->isMinimized()) continue;
        const QWindow* native = e.window->windowHandle();
        if (native == nullptr || !native->isExposed()) return false;
    }
    return true;
}

void QtWindowSystem::caption_changed(Form& f) {
    if (quitting_) return;
    FormWindow* window = window_of(&f);
    if (window == nullptr || !window->isVisible()) return;
    // The platform window passes a new title on to the window system at once. Nothing here may
    // run pending events: the caller is in the middle of its own.
    window->setWindowTitle(QString::fromStdString(f.caption()));
}

void QtWindowSystem::do_events() {
    if (quitting_) return;
    render();
    QCoreApplication::processEvents();
}

void QtWindowSystem::post(std::function<void()> task) {
    QMetaObject::invokeMethod(
        post_target_.get(), [this, task = std::move(task)] { dispatch(task); }, Qt::QueuedConnection);
}

void QtWindowSystem::quit() {
    if (quitting_) return;
    quitting_ = true;
    for (Entry& e : windows_) {
        e.window->detach();
        e.window->hide();
    }
    // Leaves every running event loop, nested ones (dialogs, waits) included.
    QCoreApplication::exit(0);
}

void QtWindowSystem::dispatch(const std::function<void()>& handler) {
    if (quitting_) return;
    handler();
    render();
}

void QtWindowSystem::render() {
    if (quitting_ || rendering_) return;
    rendering_ = true;
    for (Entry& e : windows_) e.window->sync();
    rendering_ = false;
}

int QtWindowSystem::run() {
    if (quitting_) return 0;
    render();
    return QApplication::exec();
}

FormWindow* QtWindowSystem::window_of(const Form* f) const {
    for (const Entry& e : windows_)
        if (e.form == f) return e.window;
    return nullptr;
}

QWidget* QtWindowSystem::widget_of(const Control& c) const {
    const FormWindow* window = window_of(&c.form());
    const ControlView* view = window ? window->view_of(c) : nullptr;
    return view ? view->widget() : nullptr;
}

QWidget* QtWindowSystem::dialog_parent(const Form* owner) const {
    if (FormWindow* w = window_of(owner); w && w->isVisible()) return w;
    for (const Entry& e : windows_)
        if (e.window->isVisible() && e.form->topmost()) return e.window;
    return QApplication::activeWindow();
}

}  // namespace vis
