// The Windows program, started on a program folder, until its screenshot list is ready (with
// "album", until the album window has listed the folder too); then prints its working set and
// ends. The counterpart of start_probe.cpp, timed beside it by bench/start/paired_start.sh (and
// with "thumbnails" weighed beside it by bench/start/paired_thumbnails.sh):
//   vistelle_start_probe.exe <program folder> [album | thumbnails]
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>

#include "app/win32_program.h"
#include "core/app.h"
#include "start/start_report.h"
#include "support/loopback_server.h"

namespace {

vis::bench::ProcessMemory memory() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
        return {};
    // The commit charge: Windows gives it as PagefileUsage and PrivateUsage alike, Wine 8 only as
    // the first (its PrivateUsage reads 0).
    return {static_cast<long>(counters.WorkingSetSize / 1024), static_cast<long>(counters.PagefileUsage / 1024)};
}

}  // namespace

int main(int argc, char** argv) {
    vis::bench::begin_timeline();
    if (argc < 2) {
        std::fprintf(stderr, "usage: vistelle_start_probe.exe <program folder> [album | thumbnails]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::string mode = argc > 2 ? argv[2] : "";
    // Answers with the program's own version, so the start-up check stays silent.
    const vis::test::LoopbackServer update_server(vis::test::http_response("200 OK", vis::kVersion), 0);
    const std::string server = "http://127.0.0.1:" + std::to_string(update_server.port());
    return vis::run_win32_program(folder, server, [mode](vis::WindowOwner& windows) {
        if (mode == "thumbnails")
            vis::bench::report_thumbnails_memory(windows, memory);
        else
            vis::bench::report_when_started(windows, mode == "album", memory);
    });
}
