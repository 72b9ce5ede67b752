#!/usr/bin/env bash
# Installs the built program into a temporary prefix and data home, as a player would into
# ~/.local/opt/vistelle and ~/.local/share, and checks the program folder and the desktop entry.
# usage: check_install.sh path/to/build-folder
set -uo pipefail

fail() {
    echo "INSTALL CHECK FAILED: $*" >&2
    exit 1
}

build=${1:-}
[ -n "$build" ] && [ -f "$build/cmake_install.cmake" ] || fail "no build folder given (got '${build}')"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A space and a dollar sign in the prefix: the Exec line must still name the program exactly.
prefix="$work/opt \$pelmar/vistelle"
export XDG_DATA_HOME="$work/share"
install() {
    cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
        cat "$work/install.log" >&2
        fail "cmake --install failed"
    }
}
install

[ -x "$prefix/vistelle" ] || fail "no executable in the program folder"
for file in data/null.gif data/sort_up.png data/sort_down.png data/vistelle.png help/index.html; do
    [ -f "$prefix/$file" ] || fail "missing $file"
done
[ -d "$prefix/album" ] || fail "missing album/"

entry="$XDG_DATA_HOME/applications/vistelle.desktop"
[ -f "$entry" ] || fail "no desktop entry"
[ "$(head -n 1 "$entry")" = "[Desktop Entry]" ] || fail "the entry does not start with its group"
expect_line() {
    grep -qxF -- "$1" "$entry" || fail "the entry lacks the line '$1'; it reads:
$(cat "$entry")"
}
expect_line 'Type=Application'
expect_line 'Name=Vistelle'
expect_line "Exec=\"$work/opt \\\\\$pelmar/vistelle/vistelle\""
expect_line 'Icon=vistelle'
expect_line 'Categories=Graphics;Viewer;'
cmp -s "$XDG_DATA_HOME/icons/hicolor/32x32/apps/vistelle.png" "$prefix/data/vistelle.png" ||
    fail "the icon is not installed under hicolor/32x32/apps"

# Installing again (an update) keeps the player's settings.
printf 'C:\\Games\r\n1\r\n1\r\nC:\\Games\r\n' >"$prefix/data/setting.mto"
before=$(od -c "$prefix/data/setting.mto")
install
[ "$(od -c "$prefix/data/setting.mto")" = "$before" ] || fail "reinstalling changed the settings file"

echo "install check passed"
