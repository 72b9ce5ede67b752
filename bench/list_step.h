#pragma once
// One step down the screenshot list, timed the same way on every backend.
#include <benchmark/benchmark.h>

#include "bench_folders.h"
#include "main_window/main_window.h"

namespace vis::bench {

// Steps down the full-size run of the list, back to its top after the last; `step` moves the
// selection and returns once the user would see the new screenshot. Between steps it waits,
// untimed, until the neighbours are decoded ahead.
template <class Step>
void step_through(benchmark::State& state, MainWindow& f, Step step) {
    for (auto _ : state) {
        state.PauseTiming();
        if (f.file_lst.list_index() + 1 >= kFullHdRun) {
            f.file_lst.set_list_index(0);
            f.decode_ahead().wait_idle();
        }
        f.decode_ahead().wait_idle();
        const int before = f.file_lst.list_index();
        state.ResumeTiming();

        step();

        state.PauseTiming();
        if (f.file_lst.list_index() != before + 1 || f.img_pre.picture().width != 1920) {
            state.SkipWithError("the step did not preview the next screenshot");
            break;
        }
        state.ResumeTiming();
    }
}

}  // namespace vis::bench
