#!/usr/bin/env bash
# Builds the program and starts it. On a machine without the game and without a settings file
# yet, it first prepares a demo game folder (made-up screenshots and music) and points the
# settings file at it; where the game or a settings file exists, nothing is changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-release"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVISTELLE_TESTS=OFF -DVISTELLE_BENCH=OFF >/dev/null
cmake --build "$build" --target vistelle make_demo_shots

# Succeeds when the Wine prefix holds the folder C:\<names...>: through the drive's link in
# dosdevices/, each name matched exactly or else without regard to letter case, as Wine and the
# program do.
in_wine_prefix() {
  local prefix="${WINEPREFIX:-$HOME/.wine}" dir name entry base found
  dir="$prefix/dosdevices/c:"
  [ -d "$dir" ] || dir="$prefix/drive_c"
  for name in "$@"; do
    if [ -d "$dir/$name" ]; then
      dir="$dir/$name"
      continue
    fi
    found=
    for entry in "$dir"/*/; do
      entry="${entry%/}"
      base="${entry##*/}"
      if [ -d "$entry" ] && [ "${base,,}" = "${name,,}" ]; then
        found="$entry"
        break
      fi
    done
    [ -n "$found" ] || return 1
    dir="$found"
  done
}

game_installed() {
  in_wine_prefix "Program Files" QUORIX "Pelmar Online" ||
    in_wine_prefix "Program Files (x86)" QUORIX "Pelmar Online"
}

settings="$build/data/setting.mto"
if [ ! -f "$settings" ] && ! game_installed; then
  demo="$root/demo/Pelmar Online"
  echo "No game and no settings found: preparing a demo game folder in $demo"
  if [ ! -d "$demo/Screen Save" ]; then
    "$build/make_demo_shots" "$demo/Screen Save" 12
  fi
  bash "$root/scripts/make_demo_music.sh" "$demo"
  printf '%s\r\n%s\r\n%s\r\n%s\r\n' "$demo" 1 1 "$demo" >"$settings"
fi

exec "$build/vistelle"
