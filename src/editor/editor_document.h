#pragma once
// The editor's document: the screenshot being edited on its canvas, its undo history, the tool
// state (tool, colour, pen width, text settings, what lies over the canvas) and the effect that
// runs on it. Every operation goes through it and is recorded by it as one undo step; a view asks
// it what changed and draws that. Coordinates are canvas twips (drawing points).
#include <functional>
#include <string>
#include <utility>

#include "editor/canvas.h"
#include "editor/effects.h"
#include "editor/history.h"
#include "editor/tool_state.h"

namespace vis {

class TextPainter;

// The outline's width in pixels for a font size: 1 up to 14 points, 2 up to 28, 3 above, so that
// it stays a rim at every size and never swallows the strokes of small text.
int outline_width(double size_pt);

class EditorDocument {
public:
    EditorDocument();
    EditorDocument(const EditorDocument&) = delete;
    EditorDocument& operator=(const EditorDocument&) = delete;

    // Another screenshot (an empty picture gives an empty canvas), shown one picture pixel per
    // device pixel: nothing of the last one can be undone, and a running effect ends without
    // touching it. Tool, colour, width and what lies over the canvas stay.
    void open(const Picture& picture, double screen_twips_per_pixel, double device_pixel_ratio);
    // The editor goes: a running effect ends, and the picture is let go.
    void close();
    const Canvas& canvas() const { return canvas_; }
    const History& history() const { return history_; }

    // --- the tool state
    ToolKind tool() const { return tool_; }
    // The straight line's tool also drops a line in progress.
    void set_tool(ToolKind tool);
    Colour colour() const { return colour_; }
    void set_colour(Colour colour);
    // Pixels; the rubber-band line is as wide.
    int pen_width() const { return width_; }
    // 1 at least.
    void set_pen_width(int pixels);
    const TextSettings& text() const { return text_; }
    // The text dialog's choices; a change of the text itself shows it in the drawing colour.
    void set_text(const TextSettings& text);
    const Overlay& overlay() const { return overlay_; }
    // A button is held on the canvas.
    bool pressed() const { return pressed_; }

    // --- the pointer at drawing points, with the left or middle button. The press is refused
    // (false) while an effect runs; a whole stroke, line or drag is one step at the release.
    bool press(double x, double y);
    void move(double x, double y);
    void release(double x, double y);
    // Drops the selection and any line in progress; never touches pixels.
    void cancel();

    // --- commands, each one step. False, changing nothing, while an effect runs, and for fill,
    // crop and effects without a selection.
    bool fill();
    bool clear_all();
    // Prints the text with its top-left corner at the preview (nothing without one) in its font
    // and the drawing colour, then hides the preview and empties the text. With the outline on,
    // a rim outline_width() wide in black or white, whichever contrasts with the drawing colour,
    // goes under it.
    bool insert_text(TextPainter& painter);
    // Keeps only the selected pixels (at least the one the selection lies in); the selection
    // then covers the whole canvas.
    bool crop();
    // The save's two notice lines (see stamp_notices).
    bool stamp(TextPainter& painter, const std::string& first, const std::string& second);
    // Not amid a stroke either. False when there was nothing to undo or redo.
    bool undo();
    bool redo();

    // Runs the effect over the selection as one step, even when stopped; nothing else draws
    // meanwhile. The run is marked first, then `start` is called, before any work, for the caller
    // to step aside and let events run. Closing the document or opening another picture while
    // events run ends the run at once: it writes and records nothing more, and the new picture
    // stays as opened.
    EffectEnd run_effect(EffectFn effect, const EffectPacing& pacing, const std::function<void()>& start = {});
    bool effect_running() const { return running_; }

    // --- what changed since the view last asked
    struct Changes {
        // Canvas pixels drawn.
        PixelRect pixels;
        // The pixels the navigator has not shown, once an operation shows them there (a stroke's
        // moves, fill, clear, text, effect, undo); empty while they wait (a press, a release).
        PixelRect navigator;
        // The canvas has another size or picture: everything is drawn anew.
        bool resized = false;
        // A crop or its undo: the view goes back to the canvas's top-left corner.
        bool cropped = false;
        bool operator==(const Changes&) const = default;
    };
    Changes take_changes();
    // Told after every operation that changed pixels, size, tool state or what lies over the
    // canvas; empty for none.
    void set_listener(std::function<void()> listener) { listener_ = std::move(listener); }

private:
    // Pixels changed for the view; the navigator shows them with what waited, or they wait.
    void shown(const PixelRect& pixels, bool show_in_navigator);
    // Takes what the canvas drew since the last operation into the changes and the history.
    void drawn(bool show_in_navigator);
    void notify() const;
    // Each operation that changes pixels ends with this: drawn, recorded as one step, told.
    void finish(bool show_in_navigator);
    void resized(bool cropped);
    // After an undo or redo that changed `pixels` on a canvas of that size.
    void stepped(const PixelRect& pixels, int old_width, int old_height);

    Canvas canvas_;
    History history_;
    ToolKind tool_ = ToolKind::pencil;
    Colour colour_ = rgb(0, 0, 0);
    int width_ = 10;
    TextSettings text_;
    Overlay overlay_;
    bool pressed_ = false;
    std::function<void()> listener_;
    // An effect works on the canvas (it may have ended early for a new picture or a close).
    bool running_ = false;
    Changes changes_;
    // Drawn but not yet shown in the navigator.
    PixelRect navigator_pending_;
};

}  // namespace vis
