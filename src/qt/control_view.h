#pragma once
// A control's widget: renders the control when its revision changes and forwards the user's
// mouse and key input to the control's handlers.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <string>

#include "ui/control.h"
#include "ui/pointer_rules.h"
#include "ui/revision_mark.h"

namespace vis {

class FormWindow;
class QtWindowSystem;

class ControlView : public QObject {
    Q_OBJECT
public:
    ControlView(FormWindow& window, Control& control);
    ~ControlView() override;

    // nullptr once the control is gone.
    Control* control() const { return control_; }
    QWidget* widget() const { return widget_; }

    // The control is being destroyed: forward nothing more. Timers stop.
    virtual void detach();
    // Renders the control if it changed since the last time.
    void sync();

protected:
    // Kind-specific rendering, called after the common properties are applied.
    virtual void render() = 0;
    // Where the widget goes, in the client area's pixels; by default the control's bounds.
    virtual QRect geometry_px() const;

    // Adopts the widget showing the control; mouse input arrives at `input` (a scroll area's
    // viewport) or at the widget itself.
    void set_widget(QWidget* widget, QWidget* input = nullptr);
    // Runs a handler of the control (if the control still exists), then renders.
    void forward(const std::function<void(Control&)>& handler);
    // Left-button clicks on the widget run on_click (labels, images); other kinds have their own.
    void set_clicks_from_mouse(bool on) { pointer_.set_clicks(on); }
    // Right-button presses go to the program only (a list keeps its selection).
    void set_right_press_consumed(bool on) { pointer_.set_right_press_consumed(on); }

    bool eventFilter(QObject* watched, QEvent* event) override;

    FormWindow& window_;
    QtWindowSystem& system_;
    Control* control_;

private:
    bool mouse_event(QWidget& receiver, QEvent& event);
    // Drags the file out of the widget, always as a copy.
    void drag_file_out(const std::string& path);
    // Puts the widget into its container's widget (or the client area) if it is elsewhere.
    void place_in_container();

    QPointer<QWidget> widget_;
    RevisionMark rendered_;
    PointerRules pointer_;
};

// The view for a control of any kind.
ControlView* make_control_view(FormWindow& window, Control& control);

}  // namespace vis
