#!/usr/bin/env bash
# Builds the program and starts it. On a machine without the game and without a settings file
# yet, it first prepares a demo game folder (made-up screenshots and music) and points the
# settings file at it; where the game or a settings file exists, nothing is changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-release"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVISTELLE_TESTS=OFF -DVISTELLE_BENCH=OFF >/dev/null
cmake --build "$build" --target vistelle make_demo_shots

settings="$build/data/setting.mto"
game_under_wine="${WINEPREFIX:-$HOME/.wine}/drive_c/Program Files/QUORIX/Pelmar Online"
if [ ! -f "$settings" ] && [ ! -d "$game_under_wine" ]; then
  demo="$root/demo/Pelmar Online"
  echo "No game and no settings found: preparing a demo game folder in $demo"
  if [ ! -d "$demo/Screen Save" ]; then
    "$build/make_demo_shots" "$demo/Screen Save" 12
  fi
  bash "$root/scripts/make_demo_music.sh" "$demo"
  printf '%s\r\n%s\r\n%s\r\n%s\r\n' "$demo" 1 1 "$demo" >"$settings"
fi

exec "$build/vistelle"
