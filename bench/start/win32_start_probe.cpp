// The Windows program, started on a program folder, until its screenshot list is ready (with
// "album", until the album window has listed the folder too); then prints its working set and
// ends. The counterpart of start_probe.cpp, timed beside it by bench/start/paired_start.sh:
//   vistelle_start_probe.exe <program folder> [album]
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>

#include "app/win32_program.h"
#include "core/app.h"
#include "start/start_report.h"
#include "support/loopback_server.h"

namespace {

long resident_kb() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return -1;
    return static_cast<long>(counters.WorkingSetSize / 1024);
}

}  // namespace

int main(int argc, char** argv) {
    vis::bench::begin_timeline();
    if (argc < 2) {
        std::fprintf(stderr, "usage: vistelle_start_probe.exe <program folder> [album]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool album = argc > 2 && std::string(argv[2]) == "album";
    // Answers with the program's own version, so the start-up check stays silent.
    const vis::test::LoopbackServer update_server(vis::test::http_response("200 OK", vis::kVersion), 0);
    const std::string server = "http://127.0.0.1:" + std::to_string(update_server.port());
    return vis::run_win32_program(folder, server, [album](vis::WindowOwner& windows) {
        vis::bench::report_when_started(windows, album, resident_kb);
    });
}
