#pragma once
// The window system of a real run: one Qt window per form, re-rendered from the model after
// every event it forwards to the program.
#include <QTranslator>
#include <Qt>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/window_system.h"

class QDrag;
class QObject;
class QWidget;

namespace vis {

class Control;
class FormWindow;

class QtWindowSystem : public WindowSystem {
public:
    // Needs a QApplication. `program_folder` is where data/ lies (icons named by image boxes).
    explicit QtWindowSystem(std::string program_folder);
    ~QtWindowSystem() override;
    QtWindowSystem(const QtWindowSystem&) = delete;
    QtWindowSystem& operator=(const QtWindowSystem&) = delete;

    void add_form(Form& f) override;
    bool shown_on_screen() override;
    void remove_form(Form& f) override;
    ScreenInfo screen() const override;
    // A shown window's title changes at once, so a caption set before a long step is seen
    // during it, not after.
    void caption_changed(Form& f) override;
    void do_events() override;
    void quit() override;
    bool quitting() const override { return quitting_; }
    void post(std::function<void()> task) override;

    // Runs a program handler for an event, then renders what it changed. Nothing runs once
    // the program is ending.
    void dispatch(const std::function<void()>& handler);
    // Brings every window up to date with its form.
    void render();
    // The event loop, until quit(); returns at once if the program already ended.
    int run();

    FormWindow* window_of(const Form* f) const;
    // The widget showing a control, or nullptr (timers, hidden kinds, forms not rendered yet).
    QWidget* widget_of(const Control& c) const;
    // A visible window to own a dialog: the owner's, else a topmost one, else the active one.
    QWidget* dialog_parent(const Form* owner) const;
    const std::string& program_folder() const { return program_folder_; }

    // Runs a drag out of a window offering `actions`; by default the system's own drag and drop.
    // A test puts its own drop target's delivery in its place.
    std::function<void(QDrag&, Qt::DropActions actions)> run_drag;

private:
    struct Entry {
        Form* form;
        FormWindow* window;
    };
    std::string program_folder_;
    QTranslator qt_texts_;
    // Posted tasks run as its queued calls; those still waiting go with it.
    std::unique_ptr<QObject> post_target_;
    std::vector<Entry> windows_;
    bool quitting_ = false;
    bool rendering_ = false;
};

}  // namespace vis
