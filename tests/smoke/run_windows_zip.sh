#!/usr/bin/env bash
# The Windows zip as a player uses it, under Wine on a virtual X server: unpacked into a fresh
# prefix beside a game folder holding screenshots, vistelle.exe starts, shows its main window's
# title, writes the first-run settings file (Shift_JIS, CR LF), takes the keyboard at once, shows
# the selected screenshot's colour in the preview, deletes that screenshot after asking, lists a
# screenshot saved while it runs, drags a list line into another program's OLE drop target with
# real pointer moves (the file arrives as CF_HDROP, offered as a copy only, and stays where it
# was), toggles a check box inside a frame of the settings dialog at a real click, opens the full-screen viewer, keeps the mouse there after its menu, closes it, and
# ends when its window is closed. A window manager runs, as on a player's desktop, and the clicks
# and keys are the X server's own, at the places the window reader finds.
# usage: run_windows_zip.sh path/to/vistelle-windows-x64.zip path/to/vistelle_window_reader.exe
#        path/to/vistelle_drop_target.exe
# (both are built with the Windows tests: the reader reads the program's windows through their
# messages, the drop target writes down what a drop brought)
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/scripts/windows-env.sh"
here="$root/tests/smoke"

title='Pelmarオンライン - Vistelle (v2.00)'
game_folder='C:\Program Files\QUORIX\Pelmar Online'

fail() {
    echo "WINDOWS ZIP FAILED: $*" >&2
    [ -s "${work:-/nonexistent}/wine.log" ] && tail -n 20 "$work/wine.log" >&2
    exit 1
}

zip_file=${1:-}
[ -f "$zip_file" ] || fail "no zip given (got '${zip_file}')"
reader=${2:-}
[ -f "$reader" ] || fail "no window reader given (got '${reader}')"
drop_target=${3:-}
[ -f "$drop_target" ] || fail "no drop target given (got '${drop_target}')"
for tool in Xvfb openbox xdotool xwd unzip python3 x86_64-w64-mingw32-objdump; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup.sh installs it)"
done

work=$(mktemp -d)
prefix="$work/prefix"
xvfb_pid= wm_pid= program_pid= target_pid=
cleanup() {
    [ -d "$prefix" ] && WINEPREFIX="$prefix" "$(wineserver_command)" -k >/dev/null 2>&1
    for pid in $target_pid $program_pid $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!

export WINEPREFIX="$prefix" WINEDEBUG=-all
wine=$(wine64_command)
"$wine" wineboot -i >"$work/wine.log" 2>&1 || fail "cannot make a Wine prefix"
drive_c="$prefix/drive_c"

# The player's copy, unpacked where a player might put it.
mkdir -p "$drive_c/Games"
unzip -q "$zip_file" -d "$drive_c/Games" || fail "cannot unpack the zip"
program="$drive_c/Games/Vistelle"
for entry in vistelle.exe data/null.gif help/index.html; do
    [ -f "$program/$entry" ] || fail "the zip holds no Vistelle/$entry"
done
[ -d "$program/album" ] || fail "the zip holds no Vistelle/album/"
[ ! -e "$program/data/setting.mto" ] || fail "the zip carries a settings file"
# Under Wine every DLL loaded before the program runs costs each start: the others (the shell, the
# network, music, file dialogs) are loaded when first called.
imports=$(x86_64-w64-mingw32-objdump -p "$program/vistelle.exe" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
[ "$imports" = "COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSIMG32.DLL MSVCRT.DLL OLE32.DLL USER32.DLL UXTHEME.DLL " ] ||
    fail "vistelle.exe loads more than a start needs: $imports"

shots="$drive_c/Program Files/QUORIX/Pelmar Online/Screen Save"
mkdir -p "$shots"
python3 "$here/make_jpeg.py" "$shots/PelmarOnline_2006115_01715.jpg" 64 48 200 || fail "cannot write a JPEG"
# Larger than the screen, as a player's screenshots are: the viewer shows this one (the first line
# once the first is deleted) over the whole monitor.
python3 "$here/make_jpeg.py" "$shots/PelmarOnline_2006116_01716.jpg" 1400 1100 60 || fail "cannot write a JPEG"
python3 "$here/make_jpeg.py" "$shots/PelmarOnline_2006117_01717.jpg" 32 32 120 || fail "cannot write a JPEG"

# The Japanese code page for the program alone (see scripts/wine-run.sh). Its drags write down
# whether they started, for a drag that delivers nothing.
(cd "$program" && LC_ALL=ja_JP.UTF-8 VISTELLE_DRAG_LOG='C:\drag.log' exec "$wine" 'C:\Games\Vistelle\vistelle.exe') \
    >>"$work/wine.log" 2>&1 &
program_pid=$!

# Japanese titles are readable only as _NET_WM_NAME, so every window's name is compared.
main_window=
for _ in $(seq 120); do
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$title" ]; then
            main_window=$id
            break 2
        fi
    done
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended before its main window showed"
    sleep 0.5
done
[ -n "$main_window" ] || {
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        echo "window: $(xdotool getwindowname "$id" 2>/dev/null)" >&2
    done
    fail "no window titled '$title'"
}

expected=$(printf '%s\r\n1\r\n1\r\n%s\r\n' "$game_folder" "$game_folder" | od -An -tx1)
actual=$(od -An -tx1 "$program/data/setting.mto" 2>/dev/null)
[ "$expected" = "$actual" ] || fail "first-run settings differ: $(od -c "$program/data/setting.mto" 2>&1 | head -n 5)"

focus_main() {
    xdotool windowactivate --sync "$main_window" >/dev/null 2>&1 || xdotool windowfocus --sync "$main_window"
}

# The window titled $1, once it shows (up to 15 s).
window_titled() {
    for _ in $(seq 30); do
        for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
            [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && { echo "$id"; return 0; }
        done
        sleep 0.5
    done
    return 1
}

# What the reader says of the window titled $1: "window <visible> <minimised>", then its visible
# lists as "list <count> <left> <top> <right> <bottom> <selected>" and its other controls as
# "control <checked> <left> <top> <right> <bottom> <text>".
read_window() {
    "$wine" "$reader" 2>>"$work/wine.log" | tr -d '\r' |
        awk -v title="$1" '$1 == "window" { mine = substr($0, 12) == title; if (mine) print $1, $2, $3; next }
                           mine { print }'
}
main_list() { read_window "$title" | awk '$1 == "list" { print; exit }'; }
# Waits up to 10 s for the window titled $1 to read as $2 ("window <visible> <minimised>"); prints
# how it last read.
window_becomes() {
    local state=
    for _ in $(seq 20); do
        state=$(read_window "$1" | head -n1)
        [ "$state" = "$2" ] && break
        sleep 0.5
    done
    echo "${state:-no window}"
    [ "$state" = "$2" ]
}

# The main list's selected line, once it is $1 (up to 10 s); prints how it last read.
selection_becomes() {
    local selected=
    for _ in $(seq 20); do
        selected=$(main_list | cut -d' ' -f7)
        [ "$selected" = "$1" ] && break
        sleep 0.5
    done
    echo "${selected:-none}"
    [ "$selected" = "$1" ]
}
# The reader's line for the control of window $1 whose text is $2.
control_of() {
    read_window "$1" | awk -v text="$2" '$1 == "control" { t = $0; for (i = 0; i < 6; i++) sub(/^[^ ]+ /, "", t)
                                                           if (t == text) { print; exit } }'
}
# A real click at the centre of that control.
click_control() {
    local checked left top right bottom
    read -r _ checked left top right bottom _ <<<"$(control_of "$1" "$2")"
    [ -n "$bottom" ] || return 1
    xdotool mousemove $(((left + right) / 2)) $(((top + bottom) / 2)) click 1
}

# Right after start-up (the main window active once the splash is gone) the keyboard reaches the
# list, with no click first: Down and Up move the selection.
selected=$(selection_becomes 0) || fail "the first line is not selected after start-up ($selected)"
for _ in $(seq 20); do
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$main_window" ] && break
    sleep 0.5
done
[ "$(xdotool getactivewindow 2>/dev/null)" = "$main_window" ] || fail "the main window is not active after start-up"
xdotool key Down
selected=$(selection_becomes 1) || fail "Down after start-up did not select the second line ($selected)"
xdotool key Up
selected=$(selection_becomes 0) || fail "Up did not select the first line again ($selected)"
# The preview below is read from the screen: let it be painted anew.
sleep 0.5

# The preview shows the selected screenshot's colour: one of the three greys as a solid square.
shown_grey=
for _ in $(seq 20); do
    xwd -silent -id "$main_window" >"$work/main.xwd" 2>/dev/null
    shown_grey=$(python3 "$here/solid_grey.py" "$work/main.xwd" 40 200 60 120)
    [ -n "$shown_grey" ] && break
    sleep 0.5
done
[ -n "$shown_grey" ] || fail "no screenshot's colour is on screen in the preview"

# Delete on the list asks first; Yes (the default button) deletes the selected screenshot only:
# the one the preview showed.
focus_main
xdotool key Delete
question=$(window_titled '削除') || fail "Delete asked nothing"
xdotool windowfocus --sync "$question" >/dev/null 2>&1
xdotool key Return
for _ in $(seq 20); do
    [ "$(find "$shots" -name '*.jpg' | wc -l)" -eq 2 ] && break
    sleep 0.5
done
[ "$(find "$shots" -name '*.jpg' | wc -l)" -eq 2 ] || fail "Delete with Yes left $(find "$shots" -name '*.jpg' | wc -l) of 3 screenshots"
case $shown_grey in
    200) deleted=PelmarOnline_2006115_01715.jpg ;;
    60) deleted=PelmarOnline_2006116_01716.jpg ;;
    *) deleted=PelmarOnline_2006117_01717.jpg ;;
esac
[ ! -e "$shots/$deleted" ] || fail "Delete removed another screenshot than the one previewed ($deleted, grey $shown_grey)"

# The main list shows the two screenshots left.
[ "$(main_list | cut -d' ' -f2)" = 2 ] || fail "the main list shows '$(main_list)', not the 2 screenshots left"

# A screenshot saved while the program runs joins the list by itself.
python3 "$here/make_jpeg.py" "$work/new.jpg" 40 40 160 || fail "cannot write a JPEG"
cp "$work/new.jpg" "$shots/PelmarOnline_2006118_01718.jpg"
listed=
for _ in $(seq 20); do
    listed=$(main_list | cut -d' ' -f2)
    [ "$listed" = 3 ] && break
    sleep 0.5
done
[ "$listed" = 3 ] || fail "a screenshot saved while the program runs is not listed (the list shows ${listed:-nothing})"

# With the last line selected, pressing the first and moving in steps, the button held, onto
# another program's drop target left of the main window drags the first line's file out: the drop
# gets it as CF_HDROP, offered as a copy only, and the screenshot stays as it was. (Wine's own
# Notepad will not do as the target: it takes files only as WM_DROPFILES, which Wine's OLE drag
# never sends, where Windows sends it to such windows.)
main_left=$(xdotool getwindowgeometry "$main_window" | sed -n 's/^ *Position: \([0-9-]*\),.*/\1/p')
[ "${main_left:-0}" -gt 60 ] || fail "no room left of the main window for a drop target (it starts at x ${main_left:-?})"
"$wine" "$drop_target" 'C:\drop.log' 0 300 >>"$work/wine.log" 2>&1 &
target_pid=$!
window_titled 'Drop target' >/dev/null || fail "the drop target did not show"
cp -r "$shots" "$work/shots-before"
focus_main
xdotool key End
selected=$(selection_becomes 2) || fail "End did not select the last line ($selected)"
read -r _ _ left top _ _ _ <<<"$(main_list)"
xdotool mousemove $((left + 40)) $((top + 6)) mousedown 1
for step in $(seq 1 12); do
    xdotool mousemove $((left + 40 - step * (left + 40 - main_left / 2) / 12)) $((top + 6 - step * (top - 394) / 12))
    sleep 0.1
done
sleep 0.3
xdotool mouseup 1
for _ in $(seq 20); do
    grep -q '^file ' "$drive_c/drop.log" 2>/dev/null && break
    sleep 0.5
done
drop_report="$(tr '\n' ';' <"$drive_c/drop.log" 2>/dev/null) the program's drag: $(tr '\r\n' ' ;' <"$drive_c/drag.log" 2>/dev/null)"
selected=$(selection_becomes 0) || fail "pressing the first line to drag it did not select it ($selected; $drop_report)"
shown_file=$(read_window "$title" | sed -n 's/^control .*ファイル名：//p' | head -n1)
grep -q '^drop 1 .*CF_HDROP' "$drive_c/drop.log" || fail "the drop target got no CF_HDROP offered as a copy only ($drop_report)"
[ "$(grep '^file ' "$drive_c/drop.log")" = "file C:\\Program Files\\QUORIX\\Pelmar Online\\Screen Save\\$shown_file" ] ||
    fail "the drop did not name the dragged line's file '$shown_file' ($drop_report)"
diff -r "$work/shots-before" "$shots" >/dev/null || fail "the drop changed the screenshots: $(diff -r "$work/shots-before" "$shots" 2>&1 | head -n 3)"
kill "$target_pid" 2>/dev/null
wait "$target_pid" 2>/dev/null
target_pid=

# A real click on a check box inside a frame of the settings dialog toggles it; キャンセル
# (outside the frames) closes the dialog and leaves the settings file as it was.
focus_main
xdotool key alt+o s
settings=$(window_titled ' 設定') || fail "Alt+O, S did not open the settings dialog"
[ "$(control_of ' 設定' 画像情報 | cut -d' ' -f2)" = 1 ] || fail "画像情報 is not checked as the settings say ('$(control_of ' 設定' 画像情報)')"
click_control ' 設定' 画像情報 || fail "the settings dialog shows no 画像情報"
for _ in $(seq 20); do
    [ "$(control_of ' 設定' 画像情報 | cut -d' ' -f2)" = 0 ] && break
    sleep 0.5
done
[ "$(control_of ' 設定' 画像情報 | cut -d' ' -f2)" = 0 ] || fail "a click on 画像情報 inside its frame did not toggle it"
click_control ' 設定' キャンセル || fail "the settings dialog shows no キャンセル"
state=$(window_becomes ' 設定' "window 0 0") || fail "キャンセル did not close the settings dialog ('$state')"
[ "$expected" = "$(od -An -tx1 "$program/data/setting.mto")" ] || fail "キャンセル changed the settings file"

# A double click on the first line opens the full-screen viewer and minimises the main window;
# a double click on the picture closes it and brings the main window back.
read -r _ _ left top _ _ <<<"$(main_list)"
focus_main
xdotool mousemove $((left + 20)) $((top + 6)) click --repeat 2 --delay 100 1
viewer=$(window_becomes Form2 "window 1 0") || fail "a double click on the list did not open the viewer ('$viewer')"
[ "$(read_window "$title" | head -n1)" = "window 1 1" ] || fail "the main window is not minimised behind the viewer"
# Its right-click menu closed with Escape leaves it the mouse: a double click then closes it. The
# picture is clicked away from the counter, which takes its own pointer.
xdotool mousemove 10 24 click 3
sleep 0.5
xdotool key Escape
sleep 0.3
xdotool mousemove 10 24 click --repeat 2 --delay 100 1
viewer=$(window_becomes Form2 "window 0 0") || fail "a double click on the picture after its menu did not close the viewer ('$viewer')"
[ "$(read_window "$title" | head -n1)" = "window 1 0" ] || fail "the main window did not come back after the viewer closed"

# Closing the main window through its frame (Alt+F4) ends the program.
focus_main
xdotool key alt+F4
for _ in $(seq 60); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$program_pid" 2>/dev/null && fail "the program did not end after its main window was closed"
wait "$program_pid"
status=$?
program_pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "Windows zip: main window, first-run settings, keys at start, preview, Delete, a new screenshot, a drag out, a click in a frame, the viewer and its menu, and quitting are right"
