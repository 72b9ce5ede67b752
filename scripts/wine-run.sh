#!/usr/bin/env bash
# Runs a Windows program under Wine in a throw-away prefix that is removed afterwards, with the
# ANSI code page of a Japanese system (932, Shift_JIS) and Wine's own messages off. The locale is
# given to Wine alone. Wine turns file names into the Unix locale's charset, so the Japanese UTF-8
# locale is compiled once into the cache (the machine's own locales stay as they are).
set -uo pipefail
source "$(dirname "$0")/windows-env.sh"

locales="$windows_cache/locale"
if [ ! -d "$locales/ja_JP.UTF-8" ]; then
  mkdir -p "$locales"
  localedef -i ja_JP -f UTF-8 "$locales/ja_JP.UTF-8" || [ -d "$locales/ja_JP.UTF-8" ]
fi

prefix=$(mktemp -d)
cleanup() {
  WINEPREFIX="$prefix" "$(wineserver_command)" -k >/dev/null 2>&1
  rm -rf "$prefix"
}
trap cleanup EXIT
export WINEPREFIX="$prefix" WINEDEBUG=-all LOCPATH="$locales" LC_ALL=ja_JP.UTF-8
# The tests' X server has no window manager, and Wine waits up to two seconds for one each time a
# managed window is hidden: the windows are left unmanaged instead.
"$(wine64_command)" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
"$(wine64_command)" "$@"
