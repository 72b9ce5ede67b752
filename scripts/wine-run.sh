#!/usr/bin/env bash
# Runs a Windows program under Wine in a throw-away prefix that is removed afterwards, with the
# ANSI code page of a Japanese system (932, Shift_JIS) and Wine's own messages off. The locale is
# given to Wine alone: the machine need not have it generated. Exits with the program's status.
set -uo pipefail
source "$(dirname "$0")/windows-env.sh"

prefix=$(mktemp -d)
cleanup() {
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1
  rm -rf "$prefix"
}
trap cleanup EXIT
WINEPREFIX="$prefix" WINEDEBUG=-all LC_ALL=ja_JP.UTF-8 "$(wine64_command)" "$@"
