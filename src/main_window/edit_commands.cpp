// Opening the editor from the File menu and from the viewer's pop-up menu, and the cancel entry
// of the canvas's pop-up menu.
#include "editor_window/editor_window.h"
#include "main_window/main_window.h"
#include "viewer/viewer_window.h"

namespace vis {

// Without the selected screenshot's picture there is nothing to edit: the editor does not open.
void MainWindow::open_editor() {
    const Picture& picture = preview_picture();
    if (picture.empty()) return;
    EditorWindow& editor = windows_.get<EditorWindow>();
    editor.open(picture);
    set_window_state(WindowState::minimised);
    editor.show();
}

// The viewer shows the selected screenshot, so the editor takes the same picture.
void MainWindow::open_editor_from_viewer() {
    ViewerWindow* viewer = windows_.loaded<ViewerWindow>();
    const Picture& picture = preview_picture();
    if (viewer == nullptr || picture.empty()) return;
    windows_.get<EditorWindow>().open(picture);
    viewer->hide();
}

// The menu only starts the editor's one-shot timer; the editor does the work on its tick.
void MainWindow::cancel_editor_tool() {
    if (EditorWindow* editor = windows_.loaded<EditorWindow>()) editor->tmr_cancel_tool.set_timer_enabled(true);
}

}  // namespace vis
