#include "editor/editor_document.h"

#include <algorithm>
#include <utility>

#include "editor/stamp.h"

namespace vis {

EditorDocument::EditorDocument() {
    // The text preview's font as the editor lays it out, until the text dialog chooses one.
    text_.font.size_pt = 9.75;
}

void EditorDocument::open(const Picture& picture, double screen_twips_per_pixel, double device_pixel_ratio) {
    canvas_.set_screen(screen_twips_per_pixel, device_pixel_ratio);
    // A new picture: a run on the old one sees it and stops.
    canvas_.set_background(picture);
    history_.reset(canvas_);
    changes_ = {};
    resized(false);
    notify();
}

void EditorDocument::close() {
    canvas_.set_background({});
    history_.reset(canvas_);
    canvas_.take_changed();
    changes_ = {};
    navigator_pending_ = {};
}

// --- what changed

void EditorDocument::shown(const PixelRect& pixels, bool show_in_navigator) {
    changes_.pixels = united(changes_.pixels, pixels);
    navigator_pending_ = united(navigator_pending_, pixels);
    if (!show_in_navigator) return;
    changes_.navigator = united(changes_.navigator, navigator_pending_);
    navigator_pending_ = {};
}

void EditorDocument::drawn(bool show_in_navigator) {
    const PixelRect pixels = canvas_.take_changed();
    history_.note(pixels);
    shown(pixels, show_in_navigator);
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
    tool_ = tool;
    if (tool == ToolKind::line) overlay_.line.reset();
    notify();
}

void EditorDocument::set_colour(Colour colour) {
    colour_ = colour;
    notify();
}

void EditorDocument::set_pen_width(int pixels) {
    width_ = std::max(pixels, 1);
    notify();
}

void EditorDocument::set_text(const TextSettings& text) {
    if (text.text != text_.text) overlay_.text_colour = colour_;
    text_ = text;
    notify();
}

// --- commands

bool EditorDocument::stamp(TextPainter& painter, const std::string& first, const std::string& second) {
    if (running_) return false;
    stamp_notices(canvas_, painter, first, second);
    finish(true);
    return true;
}

bool EditorDocument::crop() {
    if (running_ || !overlay_.selection) return false;
    const Rect& s = *overlay_.selection;
    const int left = static_cast<int>(canvas_.to_px(s.left)), top = static_cast<int>(canvas_.to_px(s.top));
    const int right = static_cast<int>(canvas_.to_px(s.left + s.width));
    const int bottom = static_cast<int>(canvas_.to_px(s.top + s.height));
    // A selection narrower than a pixel still keeps the pixel it lies in.
    if (history_.crop(canvas_, {left, top, std::max(right - left, 1), std::max(bottom - top, 1)})) {
        resized(true);
        overlay_.selection = Rect{0, 0, canvas_.width(), canvas_.height()};
    }
    notify();
    return true;
}

bool EditorDocument::undo() {
    if (pressed_ || running_) return false;
    const int width = canvas_.width_px(), height = canvas_.height_px();
    const PixelRect pixels = history_.undo(canvas_);
    if (pixels.empty()) return false;
    stepped(pixels, width, height);
    return true;
}

bool EditorDocument::redo() {
    if (pressed_ || running_) return false;
    const int width = canvas_.width_px(), height = canvas_.height_px();
    const PixelRect pixels = history_.redo(canvas_);
    if (pixels.empty()) return false;
    stepped(pixels, width, height);
    return true;
}

void EditorDocument::stepped(const PixelRect& pixels, int old_width, int old_height) {
    if (canvas_.width_px() == old_width && canvas_.height_px() == old_height) {
        shown(pixels, true);
    } else {
        resized(true);
        // A selection made on the other size would point elsewhere on this one.
        overlay_.selection.reset();
    }
    notify();
}

// --- effects

EffectEnd EditorDocument::run_effect(EffectFn effect, const EffectPacing& pacing, const std::function<void()>& start) {
    if (running_ || !overlay_.selection) return EffectEnd::stopped;
    // Marked before any event runs, so that nothing else draws on the canvas under the effect.
    running_ = true;
    const Rect selection = *overlay_.selection;
    const std::uint64_t picture = canvas_.picture_count();
    const auto same_picture = [&] { return canvas_.picture_count() == picture; };
    if (start) start();
    const EffectPacing own{[&] { return (!pacing.keep_going || pacing.keep_going()) && same_picture(); },
                           pacing.progress};
    // The mosaic's boxes are drawn with the pen.
    canvas_.set_draw_width(width_);
    const EffectEnd end = same_picture() ? effect(canvas_, selection, own) : EffectEnd::stopped;
    running_ = false;
    // Closed, or another picture opened meanwhile: nothing of this run belongs to it.
    if (!same_picture()) return EffectEnd::stopped;
    // What a stopped run did is a step too, shown on the canvas but not yet in the navigator.
    finish(end == EffectEnd::completed);
    return end;
}

}  // namespace vis
