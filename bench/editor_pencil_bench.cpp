// One pointer move of the pencil on a 1920 x 1080 canvas (a width-10 segment, its repaint and the
// navigator refresh) against a plain memory copy of the canvas buffer; undoing a whole-canvas
// mosaic against the plain copy, alone and after another copy as an undo follows a redo.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "bench_folders.h"
#include "editor/canvas.h"
#include "editor/effects.h"
#include "editor/history.h"
#include "editor_on_full_hd.h"
#include "editor_window/editor_window.h"
#include "main_window/main_window.h"
#include "services/paths.h"
#include "support/app_fixture.h"
#include "support/headless.h"
#include "ui/keys.h"

namespace vis::bench {
namespace {

constexpr std::size_t kCanvasPixels = 1920 * 1080;

void BM_EditorPlainCopy1080p(benchmark::State& state) {
    const std::vector<std::uint32_t> from(kCanvasPixels, 0xFF336699);
    std::vector<std::uint32_t> to(kCanvasPixels);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kCanvasPixels * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EditorPlainCopy1080p)->Unit(benchmark::kMicrosecond);

// The same copy as an undo meets it: between two undos the redo copied other pixels, so the
// source has not been read since two canvas copies ago.
void BM_EditorPlainCopyAfterAnother1080p(benchmark::State& state) {
    const std::vector<std::uint32_t> from(kCanvasPixels, 0xFF336699), other(kCanvasPixels, 0xFF996633);
    std::vector<std::uint32_t> to(kCanvasPixels);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kCanvasPixels * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
        state.PauseTiming();
        std::memcpy(to.data(), other.data(), kCanvasPixels * sizeof(std::uint32_t));
        benchmark::ClobberMemory();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditorPlainCopyAfterAnother1080p)->Unit(benchmark::kMicrosecond);

void BM_EditorPencilMove1080p(benchmark::State& state) {
    EditorOnFullHd run;
    EditorWindow* e = run.editor;
    if (e == nullptr) {
        state.SkipWithError("the editor did not open on the screenshot");
        return;
    }
    // The pointer circles the canvas's middle, 10 pixels (150 twips) per move.
    constexpr double kRadius = 6000, kStep = 150.0 / kRadius;
    double angle = 0;
    test::mouse_down(e->pct_ss, button::kLeft, 14400, 8100);
    for (auto _ : state) {
        angle += kStep;
        test::mouse_move(e->pct_ss, 14400 + static_cast<int>(kRadius * std::cos(angle)),
                         8100 + static_cast<int>(kRadius * std::sin(angle)), button::kLeft);
    }
    test::mouse_up(e->pct_ss, button::kLeft, 14400, 8100);
}
BENCHMARK(BM_EditorPencilMove1080p)->Unit(benchmark::kMicrosecond);

// Undoing a mosaic over the whole canvas; the redo that brings it back again is not timed.
void BM_EditorUndoMosaic1080p(benchmark::State& state) {
    Canvas canvas;
    canvas.set_background(full_hd_noise());
    canvas.set_draw_width(10);
    History history;
    history.reset(canvas);
    mosaic(canvas, {0, 0, 1920 * 15, 1080 * 15});
    history.note(canvas.take_changed());
    history.record(canvas);
    for (auto _ : state) {
        history.undo(canvas);
        benchmark::ClobberMemory();
        state.PauseTiming();
        history.redo(canvas);
        state.ResumeTiming();
    }
    if (history.size() != 1) state.SkipWithError("the mosaic was not one action");
}
BENCHMARK(BM_EditorUndoMosaic1080p)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vis::bench
