#!/usr/bin/env bash
# Start to the main window showing 10,000 screenshots, its list painted: the Linux build and the
# Windows build under Wine, both on one virtual X server with a window manager, run in turns on the
# same folder of screenshots, each timed from its launch to its line that the list is ready. Prints
# each round's times and the medians with their ratio (Windows / Linux), Wine's floor (a program
# that shows one plain window until it is painted) and the last run's timeline of each build.
# usage: paired_start.sh <Linux vistelle_start_probe> <Windows vistelle_start_probe.exe>
#                        <Windows vistelle_start_floor.exe> [rounds]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/paired_session.sh"

linux_probe=${1:?Linux probe}
windows_probe=${2:?Windows probe}
floor_program=${3:?Windows floor program}
rounds=${4:-11}
count=10000

# One 800 x 600 screenshot copied under 10,000 names, a minute apart, in one game folder that
# both builds read (Wine sees it through drive Z:).
game="$work/game"
mkdir -p "$game/Screen Save"
python3 "$root/tests/smoke/make_jpeg.py" "$work/shot.jpg" 800 600 128 || exit 1
python3 - "$work/shot.jpg" "$game/Screen Save" "$count" <<'PY'
import os, shutil, sys, time
shot, folder, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
start = time.mktime((2024, 1, 1, 0, 0, 0, 0, 0, -1))
for i in range(count):
    t = start + i * 60
    path = os.path.join(folder, time.strftime("PelmarOnline_%Y%m%d_%H%M%S.jpg", time.localtime(t)))
    shutil.copyfile(shot, path)
    os.utime(path, (t, t))
PY

windows_probe=$(stripped_for_wine "$windows_probe")
program_folder "$work/linux" "$game"
program_folder "$work/windows" "Z:${game//\//\\}"

start_session || exit 1

# Milliseconds from the start of one run to the probe's line that the list is ready; what the
# probe prints goes to $work/last. The probes end at once after it.
timed() {
    local t0
    t0=$(date +%s%N)
    "$@" | {
        IFS= read -r line
        echo $((($(date +%s%N) - t0) / 1000000))
        { echo "$line"; cat; } >"$work/last"
    }
}
run_linux() { timed env SDL_AUDIODRIVER=dummy "$linux_probe" "$work/linux" 2>>"$work/linux.log"; }
run_windows() {
    timed env LOCPATH="$locales" LC_ALL=ja_JP.UTF-8 "$wine" "$windows_probe" "Z:${work//\//\\}\\windows" \
        2>>"$work/wine.log"
}
# Wine's own share: one plain window painted, started the same way.
run_wine_alone() { timed env LOCPATH="$locales" LC_ALL=ja_JP.UTF-8 "$wine" "$floor_program" 2>>"$work/wine.log"; }
check_lines() {
    grep -q "^lines $count " "$work/last" || { echo "$1 did not list $count screenshots: $(cat "$work/last")" >&2; exit 1; }
    grep "^timeline" "$work/last" >"$work/timeline.$1"
}

# One untimed run each warms the file cache and Wine's libraries.
run_linux >/dev/null; check_lines Linux
run_windows >/dev/null; check_lines Windows
run_wine_alone >/dev/null

linux_ms=() windows_ms=() wine_ms=()
for round in $(seq "$rounds"); do
    # Turns alternate, so neither build always follows the other.
    if ((round % 2)); then
        l=$(run_linux); check_lines Linux; w=$(run_windows); check_lines Windows
    else
        w=$(run_windows); check_lines Windows; l=$(run_linux); check_lines Linux
    fi
    a=$(run_wine_alone)
    linux_ms+=("$l") windows_ms+=("$w") wine_ms+=("$a")
    echo "round $round: Linux $l ms, Windows under Wine $w ms, Wine's floor $a ms"
done

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
l=$(median "${linux_ms[@]}")
w=$(median "${windows_ms[@]}")
a=$(median "${wine_ms[@]}")
echo "median: Linux $l ms, Windows under Wine $w ms (ratio $(awk -v w="$w" -v l="$l" 'BEGIN { printf "%.2f", w / l }')), Wine's floor $a ms"
echo "Linux $(cat "$work/timeline.Linux")"
echo "Windows $(cat "$work/timeline.Windows")"
