#pragma once
// The editor: a view of the editor's document, one screenshot on a canvas to draw on, shown a
// quarter at a time in a viewport that the navigator scrolls, with the drawing tools beside it.
// Its handlers map what the user does to the document, and it draws what the document says
// changed. It never touches the screenshot file.
#include <memory>
#include <string>

#include "core/window_owner.h"
#include "editor/editor_document.h"
#include "editor/thumbnail.h"
#include "ui/control.h"
#include "ui/form.h"

namespace vis {

class EditorWindow : public Form {
public:
    explicit EditorWindow(WindowOwner& windows);

    // --- controls: the navigator, the tools, the viewport with the canvas and its overlays
    ImageBox img_pre;
    Shape shp_pre;
    Shape shp_pos;
    Label Label1;
    ImageBox img_cur;
    Label lbl_pnt_color;
    Label lbl_width;
    ScrollBar scr_width;
    Button cmd_pnt_0;
    Button cmd_pnt_1;
    Button cmd_pnt_3;
    Button cmd_pnt_4;
    Button cmd_pnt_5;
    Button cmd_pnt_eff;
    Button cmd_all_crear;
    Button cmd_save;
    Label Label2;
    Frame frm_pct;
    PictureBox pct_ss;
    Shape shp_sel;
    Line lne_str;
    Label lbl_pnt_5;
    Timer tmr_cancel_tool;

    // 1 while a button is held on the navigator.
    int pre_drag = 0;

    // Shows the editor with this picture (not empty) on the canvas, sizes the navigator, the
    // view rectangle and the viewport for it, and starts the undo history afresh.
    void open(const Picture& picture);
    EditorDocument& document() { return *document_; }
    const EditorDocument& document() const { return *document_; }
    // The document, for work that lets events run meanwhile (an effect): it outlives a close
    // of the editor, which ends that work.
    std::shared_ptr<EditorDocument> shared_document() { return document_; }
    const Canvas& canvas() const { return document_->canvas(); }
    const History& history() const { return document_->history(); }

    // --- handlers
    bool on_close_request();
    void start_navigator_drag();
    void drag_navigator(int x, int y);
    void end_navigator_drag();
    void press_on_canvas(int button, int x, int y);
    void move_on_canvas(int x, int y);
    void release_on_canvas(int x, int y);
    void choose_tool(Button& button, ToolKind tool);
    void fill_selected();
    void clear_all();
    void open_effects();
    void save();
    void choose_colour();
    void show_width();
    void set_width();
    void cancel_tool();
    // Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo; true when the key was one of them.
    bool handle_shortcut(int key_code, int shift);
    void undo();
    void redo();

private:
    void lay_out();
    void wire_events();
    // The drawing point for a pointer position on the canvas.
    double point_x(int x) const;
    double point_y(int y) const;
    // Draws what the document says changed, and its tool state.
    void show_changes();
    // The canvas shown, the navigator, view rectangle and viewport sized for its size.
    void size_to_canvas();
    // The window's client area grows to hold a large viewport.
    void fit_client_area();
    // Draws what lies over the canvas, the text preview and the tool state.
    void show_state();
    // Shows the main window again and lets the editor go.
    void close_now();

    WindowOwner& windows_;
    std::shared_ptr<EditorDocument> document_ = std::make_shared<EditorDocument>();
    Thumbnail thumbnail_;
};

}  // namespace vis
