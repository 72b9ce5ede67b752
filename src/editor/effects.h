#pragma once
// The four effects of the effects dialog, each over the selection on the canvas: mosaic, blur,
// monochrome and negative. They change only the canvas image; the dialog's messages, buttons and
// progress bar are the caller's.
#include <functional>

#include "editor/canvas.h"
#include "ui/control.h"

namespace vis {

// How a running effect talks to its caller. keep_going is asked before every column of blocks
// (mosaic), band of 64 pixel columns (monochrome, negative) or row (blur): answering false stops
// the effect there, and what it has done so far stays. progress gets the progress bar's value
// (0 to 100) after each of them. Either may be left empty.
struct EffectPacing {
    std::function<bool()> keep_going;
    std::function<void(int percent)> progress;
};

enum class EffectEnd { completed, stopped };

// Any of the four below.
using EffectFn = EffectEnd (*)(Canvas&, const Rect&, const EffectPacing&);

// The selection is in canvas twips. Every effect leaves the canvas's pen width and scale mode as
// it found them, whether it completes or is stopped.

// 8 x 8 pixel blocks from the selection's top-left corner, each filled (with the current pen) in
// the average of its pixels on the canvas; the last column and row of blocks are drawn whole.
EffectEnd mosaic(Canvas& canvas, const Rect& selection, const EffectPacing& pacing = {});
// Each pixel becomes the average of itself and its eight neighbours as they were before the blur;
// at the selection's or the canvas's border, of those of them inside both.
EffectEnd blur(Canvas& canvas, const Rect& selection, const EffectPacing& pacing = {});
// Each pixel becomes the grey of its three components' average, rounded down.
EffectEnd monochrome(Canvas& canvas, const Rect& selection, const EffectPacing& pacing = {});
// Each component c becomes 256 - c, capped at 255 (so white gives 1, 1, 1).
EffectEnd negative(Canvas& canvas, const Rect& selection, const EffectPacing& pacing = {});

}  // namespace vis
