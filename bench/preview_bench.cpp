// One selection step (show_pre_info) for a 1920 x 1080 screenshot in a folder of 10,000, against a
// plain libjpeg-turbo decode of the same file.
#include <benchmark/benchmark.h>

#include "bench_folders.h"
#include "main_window/form1.h"
#include "platform/jpeg.h"
#include "platform/paths.h"
#include "support/app_fixture.h"
#include "support/headless.h"

namespace vis::bench {
namespace {

std::string big_file() {
    return join_path(big_game_folder().shots, "PelmarOnline_2006115_100000.jpg");
}

void BM_PlainDecode1080p(benchmark::State& state) {
    const std::string bytes = test::read_file(big_file());
    for (auto _ : state) {
        auto p = decode_jpeg(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_PlainDecode1080p)->Unit(benchmark::kMillisecond);

void BM_ShowPreInfo1080pIn10000(benchmark::State& state) {
    const auto& folders = big_game_folder();
    test::HeadlessPlatform plat(folders.program);
    test::ProgramWindows program_windows(plat.platform());
    Form1& form = program_windows.main();
    form.lbl_Pelmar_Path.set_caption(folders.game);
    form.make_ss_list();
    form.file_lst.set_tag("not");
    form.file_lst.set_list_index(0);
    for (auto _ : state) {
        form.show_pre_info(form.file_lst);
        benchmark::DoNotOptimize(form.lbl_alt.caption());
    }
    if (form.img_pre.picture().width != 1920) state.SkipWithError("the big screenshot was not shown");
}
BENCHMARK(BM_ShowPreInfo1080pIn10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vis::bench
