// The editor's document on a 1920 x 1080 canvas, beside its baselines in the same run: a crop
// and its undo against one plain copy of the canvas (BM_EditorPlainCopy1080p in
// editor_pencil_bench.cpp); 30 characters at 24 pt with an outline, recorded, against the same
// text without one; a 200-move pencil stroke through the document against the same stroke drawn
// straight onto the canvas.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "bench_folders.h"
#include "editor/canvas.h"
#include "editor/editor_document.h"

#ifdef _WIN32
#include "win32/gdi_text_painter.h"
#else
#include "qt/qt_text_painter.h"
#include "qt_offscreen.h"
#endif

namespace vis::bench {
namespace {

// The system's own painter, with its real fonts.
std::unique_ptr<TextPainter> system_painter() {
#ifdef _WIN32
    return std::make_unique<win32::GdiTextPainter>();
#else
    offscreen_application();
    return std::make_unique<QtTextPainter>();
#endif
}

std::unique_ptr<EditorDocument> document_on_full_hd() {
    auto doc = std::make_unique<EditorDocument>();
    doc->open(full_hd_noise(), 15, 1);
    return doc;
}

void select(EditorDocument& doc, double x1, double y1, double x2, double y2) {
    doc.set_tool(ToolKind::select);
    doc.press(x1, y1);
    doc.move(x2, y2);
    doc.release(x2, y2);
}

// Most of the picture kept: 1600 x 900 of 1920 x 1080, a tenth cut from each side or so.
void select_for_crop(EditorDocument& doc) {
    select(doc, 160 * 15, 90 * 15, 1760 * 15, 990 * 15);
}

void BM_DocumentCrop1080p(benchmark::State& state) {
    auto doc = document_on_full_hd();
    for (auto _ : state) {
        state.PauseTiming();
        select_for_crop(*doc);
        state.ResumeTiming();
        doc->crop();
        benchmark::ClobberMemory();
        state.PauseTiming();
        doc->undo();
        state.ResumeTiming();
    }
    if (doc->canvas().width_px() != 1920) state.SkipWithError("the crop was not undone");
}
BENCHMARK(BM_DocumentCrop1080p)->Unit(benchmark::kMicrosecond);

void BM_DocumentUndoCrop1080p(benchmark::State& state) {
    auto doc = document_on_full_hd();
    select_for_crop(*doc);
    doc->crop();
    for (auto _ : state) {
        doc->undo();
        benchmark::ClobberMemory();
        state.PauseTiming();
        doc->redo();
        state.ResumeTiming();
    }
    if (doc->canvas().width_px() != 1600) state.SkipWithError("the crop was not redone");
}
BENCHMARK(BM_DocumentUndoCrop1080p)->Unit(benchmark::kMicrosecond);

// 30 characters at 24 pt printed in the middle of the canvas and recorded; undone untimed, so
// every round prints on the screenshot as opened.
void print_text(benchmark::State& state, bool outline) {
    const auto painter = system_painter();
    auto doc = document_on_full_hd();
    doc->set_colour(rgb(255, 255, 0));
    TextSettings text;
    text.font.name = "ＭＳ Ｐゴシック";
    text.font.size_pt = 24;
    text.outline = outline;
    for (auto _ : state) {
        state.PauseTiming();
        doc->set_tool(ToolKind::text);
        doc->press(6000, 8000);
        doc->release(6000, 8000);
        text.text = "Pelmar Online screenshot 2006!";
        doc->set_text(text);
        state.ResumeTiming();
        doc->insert_text(*painter);
        benchmark::ClobberMemory();
        state.PauseTiming();
        doc->undo();
        state.ResumeTiming();
    }
    if (doc->history().size() != 1) state.SkipWithError("the text was not one step");
}

void BM_DocumentText30At24pt(benchmark::State& state) {
    print_text(state, false);
}
BENCHMARK(BM_DocumentText30At24pt)->Unit(benchmark::kMicrosecond);

void BM_DocumentOutlinedText30At24pt(benchmark::State& state) {
    print_text(state, true);
}
BENCHMARK(BM_DocumentOutlinedText30At24pt)->Unit(benchmark::kMicrosecond);

// A width-10 stroke of 200 moves around the canvas's middle, starting a little further round
// each time.
struct StrokePoints {
    double angle0;
    double x(int m) const { return 14400 + 6000 * std::cos(angle0 + m * 0.025); }
    double y(int m) const { return 8100 + 6000 * std::sin(angle0 + m * 0.025); }
};

void BM_CanvasStroke200(benchmark::State& state) {
    Canvas canvas;
    canvas.set_background(full_hd_noise());
    canvas.set_draw_width(10);
    int k = 0;
    for (auto _ : state) {
        const StrokePoints stroke{0.37 * ++k};
        canvas.pset(stroke.x(0), stroke.y(0), rgb(200, 0, 0));
        for (int m = 1; m <= 200; ++m) canvas.line_to(stroke.x(m), stroke.y(m), rgb(200, 0, 0));
        benchmark::DoNotOptimize(canvas.row(0));
    }
}
BENCHMARK(BM_CanvasStroke200)->Unit(benchmark::kMicrosecond);

// The same through the document, as the editor draws it: each move's change taken for the view,
// the stroke recorded as one step at the release.
void BM_DocumentStroke200(benchmark::State& state) {
    auto doc = document_on_full_hd();
    doc->set_colour(rgb(200, 0, 0));
    int k = 0;
    for (auto _ : state) {
        const StrokePoints stroke{0.37 * ++k};
        doc->press(stroke.x(0), stroke.y(0));
        for (int m = 1; m <= 200; ++m) {
            doc->move(stroke.x(m), stroke.y(m));
            doc->take_changes();
        }
        doc->release(stroke.x(200), stroke.y(200));
        doc->take_changes();
    }
}
BENCHMARK(BM_DocumentStroke200)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vis::bench
