// The pointer's tools and the commands that draw with the drawing colour: what each tool does at
// a press, a move and the release, fill, clear all, and the text with its outline.
#include <algorithm>
#include <cmath>

#include "editor/editor_document.h"
#include "editor/tool_geometry.h"

namespace vis {

namespace {

TwipsPoint whole(double x, double y) {
    return {whole_twips(x), whole_twips(y)};
}

}  // namespace

bool EditorDocument::press(double x, double y) {
    if (running_) return false;
    canvas_.set_draw_width(width_);
    canvas_.set_current_point(x, y);
    const TwipsPoint at = whole(x, y);
    switch (tool_) {
        case ToolKind::select:
            overlay_.selection_colour = colour_;
            overlay_.selection = Rect{at.x, at.y, 1, 1};
            break;
        case ToolKind::pencil:
            // A dot of the pen's width.
            canvas_.line_to(x, y, colour_);
            break;
        case ToolKind::line:
            // A band already started (its release never came) keeps its start.
            overlay_.line_colour = colour_;
            overlay_.line = {overlay_.line ? overlay_.line->first : at, at};
            break;
        case ToolKind::text:
            overlay_.text_colour = colour_;
            overlay_.text_at = at;
            break;
    }
    // Any tool but the selection drops the selection.
    if (tool_ != ToolKind::select) overlay_.selection.reset();
    pressed_ = true;
    drawn(false);
    notify();
    return true;
}

void EditorDocument::move(double x, double y) {
    if (!pressed_ || running_) return;
    canvas_.set_draw_width(width_);
    const TwipsPoint at = whole(x, y);
    switch (tool_) {
        case ToolKind::select:
            // Dropped meanwhile by the cancel command: nothing to drag.
            if (overlay_.selection) overlay_.selection = drag_selection(*overlay_.selection, at.x, at.y);
            break;
        case ToolKind::pencil:
            canvas_.line_to(x, y, colour_);
            break;
        case ToolKind::line:
            if (overlay_.line) overlay_.line->second = at;
            break;
        case ToolKind::text:
            overlay_.text_at = at;
            break;
    }
    drawn(true);
    notify();
}

void EditorDocument::release(double x, double y) {
    if (running_) return;
    // The line in the colour and width of the moment; one dropped by the cancel command, or
    // never started, draws nothing.
    if (tool_ == ToolKind::line && overlay_.line) {
        canvas_.set_draw_width(width_);
        canvas_.line(overlay_.line->first.x, overlay_.line->first.y, x, y, colour_);
    }
    pressed_ = false;
    overlay_.line.reset();
    finish(false);
}

void EditorDocument::cancel() {
    overlay_.line.reset();
    overlay_.selection.reset();
    pressed_ = false;
    notify();
}

bool EditorDocument::fill() {
    if (running_ || !overlay_.selection) return false;
    // Inset 70 twips from the selection's left and top and 80 from its right and bottom.
    const Rect& s = *overlay_.selection;
    canvas_.set_draw_width(width_);
    canvas_.box_sized(s.left + 70, s.top + 70, s.width - 150, s.height - 150, colour_);
    finish(true);
    return true;
}

bool EditorDocument::clear_all() {
    if (running_) return false;
    canvas_.clear();
    finish(true);
    return true;
}

int outline_width(double size_pt) {
    return std::clamp(static_cast<int>(std::ceil(size_pt / 14)), 1, 3);
}

bool EditorDocument::insert_text(TextPainter& painter) {
    if (running_) return false;
    if (overlay_.text_at) {
        canvas_.set_font(text_.font);
        canvas_.set_current_point(overlay_.text_at->x, overlay_.text_at->y);
        if (text_.outline)
            canvas_.print_rim(text_.text, painter, contrasting(colour_), outline_width(text_.font.size_pt));
        canvas_.set_text_colour(colour_);
        canvas_.print(text_.text, painter);
        overlay_.text_at.reset();
        text_.text.clear();
    }
    finish(true);
    return true;
}

}  // namespace vis
