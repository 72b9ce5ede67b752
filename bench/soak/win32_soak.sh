#!/usr/bin/env bash
# The Windows soak run under Wine on a virtual X server: a program folder whose settings name a
# game folder of 50 screenshots (music off), then vistelle_soak.exe on it. Prints its figures.
# usage: win32_soak.sh <vistelle_soak.exe>
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
soak=${1:?vistelle_soak.exe}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/game/Screen Save" "$work/program/data" "$work/program/help" "$work/program/album"
cp -r "$root/resources/data/." "$work/program/data/"
for i in $(seq 10 59); do
    python3 "$root/tests/smoke/make_jpeg.py" "$work/game/Screen Save/PelmarOnline_20240101_1200$i.jpg" 800 600 $((i * 4)) ||
        exit 1
done
game="Z:${work//\//\\}\\game"
printf '%s\r\n1\r\n0\r\n%s\r\n' "$game" "$game" >"$work/program/data/setting.mto"
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/scripts/wine-run.sh" "$soak" "Z:${work//\//\\}\\program"
