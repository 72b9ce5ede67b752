#include "editor/editor_document.h"

#include <algorithm>
#include <utility>

#include "editor/canvas_tool.h"
#include "editor/clear_all_tool.h"
#include "editor/fill_tool.h"
#include "editor/stamp.h"
#include "editor/text_tool.h"

namespace vis {

EditorDocument::EditorDocument() {
    state_.overlay.line_width = state_.width;
    canvas_.set_draw_width(state_.width);
}

void EditorDocument::open(const Picture& picture, double screen_twips_per_pixel, double device_pixel_ratio) {
    canvas_.set_screen(screen_twips_per_pixel, device_pixel_ratio);
    // A new picture: a run on the old one sees it and stops.
    canvas_.set_background(picture);
    history_.reset(canvas_);
    canvas_.take_unrecorded();
    changes_ = {};
    resized(false);
    notify();
}

void EditorDocument::close() {
    canvas_.set_background({});
    history_.reset(canvas_);
    canvas_.take_unrecorded();
    canvas_.take_changed();
    changes_ = {};
    navigator_pending_ = {};
}

// --- what changed

void EditorDocument::drawn(bool show_in_navigator) {
    history_.note(canvas_);
    const PixelRect r = canvas_.take_changed();
    changes_.pixels = united(changes_.pixels, r);
    navigator_pending_ = united(navigator_pending_, r);
    if (!show_in_navigator) return;
    changes_.navigator = united(changes_.navigator, navigator_pending_);
    navigator_pending_ = {};
}

void EditorDocument::resized(bool cropped) {
    canvas_.take_changed();
    const PixelRect whole{0, 0, canvas_.width_px(), canvas_.height_px()};
    changes_.pixels = whole;
    changes_.navigator = whole;
    changes_.resized = true;
    changes_.cropped = changes_.cropped || cropped;
    navigator_pending_ = {};
}

void EditorDocument::notify() const {
    if (listener_) listener_();
}

void EditorDocument::finish(bool show_in_navigator) {
    drawn(show_in_navigator);
    history_.record(canvas_);
    notify();
}

EditorDocument::Changes EditorDocument::take_changes() {
    return std::exchange(changes_, Changes{});
}

// --- the tool state

void EditorDocument::set_tool(ToolKind tool) {
    state_.tool = tool;
    if (tool == ToolKind::line) state_.overlay.line.reset();
    notify();
}

void EditorDocument::set_colour(Colour colour) {
    state_.colour = colour;
    notify();
}

void EditorDocument::set_pen_width(int pixels) {
    state_.width = std::max(pixels, 1);
    state_.overlay.line_width = state_.width;
    canvas_.set_draw_width(state_.width);
    notify();
}

void EditorDocument::set_text(const TextSettings& text) {
    if (text.text != state_.text.text) state_.overlay.text_colour = state_.colour;
    state_.text = text;
    notify();
}

// --- the pointer

bool EditorDocument::press(double x, double y) {
    if (running_) return false;
    tool_press(canvas_, state_, x, y);
    drawn(false);
    notify();
    return true;
}

void EditorDocument::move(double x, double y) {
    if (!state_.pressed || running_) return;
    tool_move(canvas_, state_, x, y);
    drawn(true);
    notify();
}

void EditorDocument::release(double x, double y) {
    if (running_) return;
    tool_release(canvas_, state_, x, y);
    finish(false);
}

void EditorDocument::cancel() {
    tool_cancel(state_);
    notify();
}

// --- commands

bool EditorDocument::fill() {
    if (running_ || !fill_selection(canvas_, state_)) return false;
    finish(true);
    return true;
}

bool EditorDocument::clear_all() {
    if (running_) return false;
    vis::clear_all(canvas_);
    finish(true);
    return true;
}

bool EditorDocument::insert_text(TextPainter& painter) {
    if (running_) return false;
    vis::insert_text(canvas_, state_, painter);
    finish(true);
    return true;
}

bool EditorDocument::stamp(TextPainter& painter, const std::string& first, const std::string& second) {
    if (running_) return false;
    stamp_notices(canvas_, painter, first, second);
    finish(true);
    return true;
}

bool EditorDocument::crop() {
    if (running_ || !state_.overlay.selection) return false;
    const Rect& s = *state_.overlay.selection;
    const int left = static_cast<int>(canvas_.to_px(s.left)), top = static_cast<int>(canvas_.to_px(s.top));
    const int right = static_cast<int>(canvas_.to_px(s.left + s.width));
    const int bottom = static_cast<int>(canvas_.to_px(s.top + s.height));
    // A selection narrower than a pixel still keeps the pixel it lies in.
    if (history_.crop(canvas_, {left, top, std::max(right - left, 1), std::max(bottom - top, 1)})) {
        resized(true);
        state_.overlay.selection = Rect{0, 0, canvas_.width(), canvas_.height()};
    }
    notify();
    return true;
}

bool EditorDocument::undo() {
    if (state_.pressed || running_) return false;
    const int width = canvas_.width_px(), height = canvas_.height_px();
    if (history_.undo(canvas_).empty()) return false;
    stepped(width, height);
    return true;
}

bool EditorDocument::redo() {
    if (state_.pressed || running_) return false;
    const int width = canvas_.width_px(), height = canvas_.height_px();
    if (history_.redo(canvas_).empty()) return false;
    stepped(width, height);
    return true;
}

void EditorDocument::stepped(int old_width, int old_height) {
    if (canvas_.width_px() == old_width && canvas_.height_px() == old_height) {
        drawn(true);
    } else {
        resized(true);
        // A selection made on the other size would point elsewhere on this one.
        state_.overlay.selection.reset();
    }
    notify();
}

// --- effects

EffectEnd EditorDocument::run_effect(EffectFn effect, const EffectPacing& pacing, const std::function<void()>& start) {
    if (running_ || !state_.overlay.selection) return EffectEnd::stopped;
    // Marked before any event runs, so that nothing else draws on the canvas under the effect.
    running_ = true;
    const Rect selection = *state_.overlay.selection;
    const std::uint64_t picture = canvas_.picture_count();
    const auto same_picture = [&] { return canvas_.picture_count() == picture; };
    if (start) start();
    const EffectPacing own{[&] { return (!pacing.keep_going || pacing.keep_going()) && same_picture(); },
                           pacing.progress};
    const EffectEnd end = same_picture() ? effect(canvas_, selection, own) : EffectEnd::stopped;
    running_ = false;
    // Closed, or another picture opened meanwhile: nothing of this run belongs to it.
    if (!same_picture()) return EffectEnd::stopped;
    // What a stopped run did is a step too, shown on the canvas but not yet in the navigator.
    finish(end == EffectEnd::completed);
    return end;
}

}  // namespace vis
