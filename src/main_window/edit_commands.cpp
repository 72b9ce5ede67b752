// Opening the editor from the File menu and from the viewer's pop-up menu, and the cancel entry
// of the canvas's pop-up menu.
#include "editor_window/form6.h"
#include "main_window/form1.h"
#include "viewer/form2.h"

namespace vis {

// Without the selected screenshot's picture there is nothing to edit: the editor does not open.
void Form1::mEdit_Click() {
    const Picture& picture = preview_picture();
    if (picture.empty()) return;
    Form6& editor = windows_.get<Form6>();
    editor.open(picture);
    set_window_state(WindowState::minimised);
    editor.show();
}

// The viewer shows the selected screenshot, so the editor takes the same picture.
void Form1::mEdit_F_Click() {
    Form2* viewer = windows_.loaded<Form2>();
    const Picture& picture = preview_picture();
    if (viewer == nullptr || picture.empty()) return;
    windows_.get<Form6>().open(picture);
    viewer->hide();
}

// The menu only starts the editor's one-shot timer; the editor does the work on its tick.
void Form1::mEdit_cancel_Click() {
    if (Form6* editor = windows_.loaded<Form6>()) editor->tmr_form6_cancel.set_timer_enabled(true);
}

}  // namespace vis
