#pragma once
// The top-level window showing one form: caption, border, size and state, menu bar, controls.
#include <QWidget>
#include <vector>

#include "ui/form.h"
#include "ui/revision_mark.h"
#include "ui/window_presence.h"

class QMenuBar;

namespace vis {

class ControlView;
class MenuTree;
class QtWindowSystem;

class FormWindow : public QWidget {
    Q_OBJECT
public:
    FormWindow(QtWindowSystem& system, Form& form);
    ~FormWindow() override;

    QtWindowSystem& system() const { return system_; }
    // nullptr once the form is gone.
    Form* form() const { return form_; }
    // The client area: the controls' parent, below the menu bar.
    QWidget& client() const { return *client_; }

    // The form is being destroyed: forward nothing more to it.
    void detach();
    // Renders what changed in the form, its menus and its controls.
    void sync();
    // Gives a key to the form's own key handler if it has one; true when the key was taken.
    bool route_form_key(const QKeyEvent& event);
    ControlView* view_of(const Control& c) const;
    // A point of the client area in twips, on the screen.
    QPoint to_global(int x_twips, int y_twips) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void sync_controls();
    void sync_menus();
    void sync_window();
    void apply_size(const Form& f);
    void apply_visibility(const Form& f);
    void sync_focus(const Form& f);
    void layout_children();
    // A size the player gave a sizable window goes to its form.
    void report_size();
    Qt::WindowFlags flags_for(const Form& f) const;

    QtWindowSystem& system_;
    Form* form_;
    QWidget* client_;
    QMenuBar* bar_ = nullptr;
    MenuTree* menus_ = nullptr;
    std::size_t menus_built_ = 0;
    std::vector<ControlView*> views_;

    RevisionMark rendered_;
    Qt::WindowFlags applied_flags_;
    QSize applied_size_;
    bool applied_fixed_ = false;
    WindowPresence presence_;
    RevisionMark focused_;
};

}  // namespace vis
