#!/usr/bin/env bash
# Starts the real program from a copy of its folder under a virtual X server, waits for its
# main window title, checks that a second copy ends by itself while the first keeps running.
# usage: run_smoke.sh path/to/vistelle
set -uo pipefail

title='Pelmarオンライン - Vistelle (v2.00)'
# xdotool takes a regular expression.
title_pattern='Pelmarオンライン - Vistelle \(v2\.00\)'

fail() {
    echo "SMOKE FAILED: $*" >&2
    for log in "${work:-/nonexistent}"/first.log "${work:-/nonexistent}"/second.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log")" >&2; tail -n 20 "$log" >&2; }
    done
    exit 1
}

exe=${1:-}
[ -n "$exe" ] && [ -x "$exe" ] || fail "no executable given (got '${exe}')"
for tool in Xvfb xdotool python3; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup.sh installs it)"
done
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build_dir=$(cd "$(dirname "$exe")" && pwd)

work=$(mktemp -d)
xvfb_pid= first_pid= second_pid=
cleanup() {
    for pid in $second_pid $first_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

# A copy of the program folder, somewhere else: the program finds its files beside itself.
program="$work/program"
mkdir -p "$program"
cp "$exe" "$program/vistelle" || fail "cannot copy the executable"
for folder in data help album; do
    [ -d "$build_dir/$folder" ] && cp -r "$build_dir/$folder" "$program/"
done
mkdir -p "$program/data"

# A game folder with two screenshots; music off so nothing plays.
game="$work/game"
mkdir -p "$game/Screen Save" "$work/saves"
python3 "$here/make_jpeg.py" "$game/Screen Save/PelmarOnline_2006115_01715.jpg" 64 48 200 || fail "cannot write a JPEG"
python3 "$here/make_jpeg.py" "$game/Screen Save/PelmarOnline_2006116_01716.jpg" 48 32 60 || fail "cannot write a JPEG"
printf '%s\r\n1\r\n0\r\n%s\r\n' "$game" "$work/saves" >"$program/data/setting.mto"

export TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$TMPDIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# A virtual X server on a free display; it writes the display number it chose.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 1 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy

window_shown() { xdotool search --name "$title_pattern" >/dev/null 2>&1; }
running() { kill -0 "$1" 2>/dev/null; }

"$program/vistelle" >"$work/first.log" 2>&1 &
first_pid=$!
for _ in $(seq 1 80); do
    window_shown && break
    running "$first_pid" || fail "the program ended before showing its window"
    sleep 0.25
done
window_shown || fail "no window titled '$title' within 20 s"
echo "main window '$title' is shown"

"$program/vistelle" >"$work/second.log" 2>&1 &
second_pid=$!
for _ in $(seq 1 40); do
    running "$second_pid" || break
    sleep 0.25
done
if running "$second_pid"; then
    fail "the second copy is still running after 10 s"
fi
wait "$second_pid"
second_status=$?
second_pid=
[ "$second_status" -eq 0 ] || fail "the second copy ended with status $second_status instead of quietly"
echo "second copy ended by itself"

running "$first_pid" || fail "the first copy ended when the second one started"
window_shown || fail "the first copy lost its window when the second one started"
echo "first copy still running"

kill "$first_pid"
wait "$first_pid" 2>/dev/null
first_pid=
echo "smoke test passed"
