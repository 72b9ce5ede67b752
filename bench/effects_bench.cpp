// The four effects over a selection covering a whole 1920 x 1080 canvas, pacing as the effects
// dialog does, and "保存" of a 1920 x 1080 edit against a plain quality-80 encode of the same
// buffer. Compare the effects with BM_EditorPlainCopy1080p of the same run.
#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bench_folders.h"
#include "editor/canvas.h"
#include "editor/effects.h"
#include "editor_on_full_hd.h"
#include "editor_window/editor_window.h"
#include "imaging/jpeg.h"
#include "main_window/main_window.h"
#include "services/pacer.h"
#include "services/paths.h"
#include "services/system_clock.h"
#include "support/app_fixture.h"
#include "support/headless.h"

namespace vis::bench {
namespace {

constexpr int kWidth = 1920, kHeight = 1080;

std::shared_ptr<std::vector<std::uint32_t>> noise() {
    auto pixels = std::make_shared<std::vector<std::uint32_t>>();
    pixels->reserve(static_cast<std::size_t>(kWidth) * kHeight);
    std::uint32_t seed = 12345;
    for (int i = 0; i < kWidth * kHeight; ++i) {
        seed = seed * 1664525u + 1013904223u;
        pixels->push_back(0xFF000000u | (seed >> 8));
    }
    return pixels;
}

// The editor's pen as laid out is 10 pixels wide: the mosaic draws its boxes with it.
void run_effect(benchmark::State& state, EffectEnd (*effect)(Canvas&, const Rect&, const EffectPacing&), int pen = 10) {
    Canvas canvas;
    canvas.set_background({kWidth, kHeight, noise()});
    canvas.set_draw_width(pen);
    const Rect whole{0, 0, kWidth * 15, kHeight * 15};
    const SystemClock clock;
    Pacer pacer(clock);
    int events = 0;
    const EffectPacing pacing{[&] {
                                  if (pacer.due()) ++events;
                                  return true;
                              },
                              [](int percent) { benchmark::DoNotOptimize(percent); }};
    for (auto _ : state) {
        effect(canvas, whole, pacing);
        benchmark::DoNotOptimize(canvas.row(0));
    }
    benchmark::DoNotOptimize(events);
}

void BM_EffectNegative1080p(benchmark::State& state) {
    run_effect(state, negative);
}
BENCHMARK(BM_EffectNegative1080p)->Unit(benchmark::kMicrosecond);

void BM_EffectMonochrome1080p(benchmark::State& state) {
    run_effect(state, monochrome);
}
BENCHMARK(BM_EffectMonochrome1080p)->Unit(benchmark::kMicrosecond);

void BM_EffectMosaic1080p(benchmark::State& state) {
    run_effect(state, mosaic);
}
BENCHMARK(BM_EffectMosaic1080p)->Unit(benchmark::kMicrosecond);

void BM_EffectMosaicPen1_1080p(benchmark::State& state) {
    run_effect(state, mosaic, 1);
}
BENCHMARK(BM_EffectMosaicPen1_1080p)->Unit(benchmark::kMicrosecond);

void BM_EffectBlur1080p(benchmark::State& state) {
    run_effect(state, blur);
}
BENCHMARK(BM_EffectBlur1080p)->Unit(benchmark::kMicrosecond);

// The baseline of the save: libjpeg-turbo alone, quality 80, from the buffer the editor below
// edits (the same screenshot, decoded).
void BM_SavePlainEncode1080p(benchmark::State& state) {
    const std::string jpeg = full_hd_jpeg();
    const auto picture = decode_jpeg(reinterpret_cast<const unsigned char*>(jpeg.data()), jpeg.size());
    if (!picture) {
        state.SkipWithError("the screenshot did not decode");
        return;
    }
    const auto& pixels = picture->pixels;
    tjhandle h = tjInitCompress();
    for (auto _ : state) {
        unsigned char* out = nullptr;
        unsigned long size = 0;
        tjCompress2(h, reinterpret_cast<const unsigned char*>(pixels->data()), kWidth, kWidth * 4, kHeight, TJPF_BGRX,
                    &out, &size, TJSAMP_420, 80, 0);
        benchmark::DoNotOptimize(size);
        tjFree(out);
    }
    tjDestroy(h);
}
BENCHMARK(BM_SavePlainEncode1080p)->Unit(benchmark::kMicrosecond);

// "保存" in the editor on the same buffer: the save dialog answered, the stamp, the navigator,
// the encode, the file written beside its target and renamed, and the closing message. The
// first saves under a new name each time; the second replaces the file it saved before, which
// also has the file system start writing the replaced file out.
void save_edits(benchmark::State& state, bool replace) {
    EditorOnFullHd run;
    EditorWindow* e = run.editor;
    if (e == nullptr) {
        state.SkipWithError("the editor did not open on the screenshot");
        return;
    }
    test::HeadlessPlatform& plat = run.plat;
    int saved = 0;
    const auto save = [&](bool replacing) {
        plat.prompts.clear_asked();
        plat.prompts.answer_save(
            join_path(run.folders.program, "Edit_" + std::to_string(replace ? 0 : saved) + ".jpg"));
        if (replacing) plat.prompts.answer_message(MsgResult::yes);
        plat.prompts.answer_message(MsgResult::ok);
        test::click(e->cmd_save);
        ++saved;
    };
    if (replace) save(false);
    for (auto _ : state) save(replace);
    if (plat.prompts.asked().back().box.text != "保存しました") state.SkipWithError("the save failed");
}

void BM_SaveEdit1080p(benchmark::State& state) {
    save_edits(state, false);
}
BENCHMARK(BM_SaveEdit1080p)->Unit(benchmark::kMicrosecond);

void BM_SaveEditReplacing1080p(benchmark::State& state) {
    save_edits(state, true);
}
BENCHMARK(BM_SaveEditReplacing1080p)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vis::bench
