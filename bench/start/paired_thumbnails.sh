#!/usr/bin/env bash
# The thumbnail window's figures, the Linux build and the Windows build under Wine one after the
# other in one run, on one virtual X server with a window manager:
# 1. the thumbnail benchmarks (bench/thumbnails_bench.cpp): the medians of each build, their ratio
#    (Windows / Linux) and each build's thumbnail decode, and read from the disk cache, against its
#    full decode;
# 2. the whole process's memory: each build's probe lists 50,000 screenshots (a game scene of about
#    300 KB in 400 files a day apart, each under 125 names), is weighed with the main window alone,
#    opens the thumbnail window, pages it to the last screenshot, waits for the decodes and is
#    weighed again; prints both builds' differences and their ratio.
# The machine's load is printed beside each part.
# usage: paired_thumbnails.sh <Linux vistelle_bench> <Windows vistelle_bench.exe>
#                             <Linux vistelle_start_probe> <Windows vistelle_start_probe.exe>
#                             <vistelle_game_scene> [repetitions]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/paired_session.sh"

linux_bench=${1:?Linux benchmarks}
windows_bench=${2:?Windows benchmarks}
linux_probe=${3:?Linux probe}
windows_probe=${4:?Windows probe}
scene_writer=${5:?game scene writer}
repetitions=${6:-7}
days=400
per_day=125

game="$work/game"
mkdir -p "$game/Screen Save"
"$scene_writer" "$work/scene.jpg" || { echo "cannot write the game scene" >&2; exit 1; }
python3 - "$work/scene.jpg" "$game/Screen Save" "$days" "$per_day" <<'PY'
import os, shutil, sys, time
scene, folder, days, per_day = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
start = time.mktime((2024, 1, 1, 12, 0, 0, 0, 0, -1))
for day in range(days):
    t = start + day * 86400
    first = None
    for i in range(per_day):
        path = os.path.join(folder, time.strftime("PelmarOnline_%Y%m%d_", time.localtime(t)) + "%06d.jpg" % i)
        if first is None:
            shutil.copyfile(scene, path)
            os.utime(path, (t, t))
            first = path
        else:
            os.link(first, path)
PY

windows_bench=$(stripped_for_wine "$windows_bench")
windows_probe=$(stripped_for_wine "$windows_probe")
program_folder "$work/linux" "$game"
program_folder "$work/windows" "Z:${game//\//\\}"
start_session || exit 1
on_wine=(env LOCPATH="$locales" LC_ALL=ja_JP.UTF-8 "$wine")

echo "== thumbnail benchmarks, $repetitions repetitions each ($(uptime | sed 's/.*load/load/'))"
bench_args=(--benchmark_filter=BM_Thumbnails --benchmark_repetitions="$repetitions"
    --benchmark_report_aggregates_only=true --benchmark_out_format=json)
SDL_AUDIODRIVER=dummy "$linux_bench" "${bench_args[@]}" --benchmark_out="$work/linux.json" >/dev/null 2>&1 ||
    { echo "the Linux benchmarks failed" >&2; exit 1; }
"${on_wine[@]}" "$windows_bench" "${bench_args[@]}" --benchmark_out="Z:${work//\//\\}\\windows.json" \
    >/dev/null 2>>"$work/wine.log" ||
    { echo "the Windows benchmarks failed" >&2; exit 1; }
python3 - "$work/linux.json" "$work/windows.json" <<'PY'
import json, sys
def medians(path):
    runs = json.load(open(path))["benchmarks"]
    return {r["run_name"]: r for r in runs if r.get("aggregate_name") == "median"}
linux, windows = medians(sys.argv[1]), medians(sys.argv[2])
def counters(r):
    skip = {"name", "run_name", "run_type", "repetitions", "threads", "aggregate_name", "aggregate_unit", "iterations",
            "real_time", "cpu_time", "time_unit", "family_index", "per_family_instance_index", "repetition_index"}
    return " ".join("%s=%g" % (k, v) for k, v in r.items() if k not in skip and isinstance(v, (int, float)))
print("%-44s %12s %12s %7s" % ("median (ms, real time)", "Linux", "Wine", "ratio"))
for name, l in linux.items():
    w = windows.get(name)
    if w is None:
        continue
    print("%-44s %12.2f %12.2f %7.2f" % (name.replace("/real_time", ""), l["real_time"], w["real_time"],
                                         w["real_time"] / l["real_time"]))
    print("    cpu %.2f / %.2f ms; Linux %s; Wine %s" % (l["cpu_time"], w["cpu_time"], counters(l), counters(w)))
full = "BM_ThumbnailsFullDecode1080p/real_time"
for system, runs in (("Linux", linux), ("Wine", windows)):
    for what, name in (("one thumbnail decoded", "BM_ThumbnailsOneThumbnail1080p/real_time"),
                       ("one thumbnail from the disk cache", "BM_ThumbnailsFromDiskCache1080p/real_time")):
        if full in runs and name in runs:
            print("%s: %s / full decode = %.2f (real time), %.2f (cpu time)" % (
                system, what, runs[name]["real_time"] / runs[full]["real_time"],
                runs[name]["cpu_time"] / runs[full]["cpu_time"]))
PY

count=$((days * per_day))
# $1: the build's name; the rest: its probe's command line. Prints the probe's lines and keeps the
# resident difference above the main window at work in $work/difference.<name>.
weigh() {
    local name=$1
    shift
    echo "-- $name ($(uptime | sed 's/.*load/load/'))"
    # Without the Windows build's carriage returns.
    timeout 1800 "$@" 2>>"$work/$name.log" | tr -d '\r' >"$work/$name.out"
    cat "$work/$name.out"
    grep -q "^thumbnails $count presses [0-9]* at_end 1$" "$work/$name.out" ||
        { echo "$name did not page through $count thumbnails" >&2; exit 1; }
    sed -n 's/^above the main window at work: resident_kb \([-0-9]*\) .*/\1/p' "$work/$name.out" >"$work/difference.$name"
}
echo "== memory with the thumbnail window paged through $count screenshots, above the main window alone"
# The thumbnails the probes keep on disk stay in the session's folder (the Wine prefix is there too).
weigh Linux env SDL_AUDIODRIVER=dummy XDG_CACHE_HOME="$work/cache" "$linux_probe" "$work/linux" thumbnails
weigh Windows "${on_wine[@]}" "$windows_probe" "Z:${work//\//\\}\\windows" thumbnails
l=$(cat "$work/difference.Linux")
w=$(cat "$work/difference.Windows")
awk -v l="$l" -v w="$w" 'BEGIN { printf "resident above the main window at work: Linux %.1f MB, Wine %.1f MB (ratio %.2f)\n", l / 1024, w / 1024, w / l }'
