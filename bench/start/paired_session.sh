# What the paired scripts (paired_start.sh, paired_thumbnails.sh) share, sourced by them: a work
# folder removed at the end, program folders for both builds, and one virtual X server with a
# window manager and a Wine prefix whose server and desktop stay up between runs, as on a player's
# desktop session. Sets root, work, locales and wine.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/scripts/windows-env.sh"

work=$(mktemp -d)
prefix="$work/prefix"
xvfb_pid=
wm_pid=
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -d "$prefix" ] && WINEPREFIX="$prefix" "$(wineserver_command)" -k >/dev/null 2>&1
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A program folder for each build: its pictures, and settings naming the game folder (music off).
# $1: the program folder; $2: the game folder as that build names it.
program_folder() {
    mkdir -p "$1/data" "$1/help" "$1/album"
    cp -r "$root/resources/data/." "$1/data/"
    printf '%s\r\n1\r\n0\r\n%s\r\n' "$2" "$2" >"$1/data/setting.mto"
}

# Prints the Windows program $1 stripped as the zip ships it: Wine maps the whole file, debug
# sections included.
stripped_for_wine() {
    local stripped="$work/$(basename "$1")"
    if command -v x86_64-w64-mingw32-strip >/dev/null && x86_64-w64-mingw32-strip -o "$stripped" "$1"; then
        echo "$stripped"
    else
        echo "$1"
    fi
}

# The X server, its window manager and the Wine prefix; fails when no prefix can be made.
start_session() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n1 "$work/display")"
    # Windows are mapped, placed and activated as on a player's desktop.
    if command -v openbox >/dev/null; then
        openbox >"$work/openbox.log" 2>&1 &
        wm_pid=$!
    fi

    locales="$windows_cache/locale"
    [ -d "$locales/ja_JP.UTF-8" ] || { mkdir -p "$locales"; localedef -i ja_JP -f UTF-8 "$locales/ja_JP.UTF-8"; }
    export WINEPREFIX="$prefix" WINEDEBUG=-all
    wine=$(wine64_command)
    "$wine" wineboot -i >"$work/wine.log" 2>&1 || { echo "cannot make a Wine prefix" >&2; return 1; }
    "$(wineserver_command)" -p
    # As on a desktop session, Wine's desktop process stays between programs: an idle console
    # program keeps it, reading a pipe that stays open until the script ends.
    mkfifo "$work/hold"
    LOCPATH="$locales" LC_ALL=ja_JP.UTF-8 "$wine" cmd <"$work/hold" >/dev/null 2>&1 &
    exec 4>"$work/hold"
}
