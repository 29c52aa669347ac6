#!/usr/bin/env bash
# End to end under a real window manager on a 1280x800 screen at twice the scale: the
# window (frame included) lies wholly on the screen although not even the smallest size
# fits; a tap on Alt, or a menu opened with the mouse and closed with one Esc, leaves the
# keys with the window (Enter and X draw a line instead of opening a menu); the
# detailed-input panel works from the keyboard alone.
# Usage: keys_and_small_screen_test.sh <program folder of the build>
set -euo pipefail
program="$1"
command -v openbox >/dev/null || { echo "SKIP: openbox is missing"; exit 77; }
command -v xprop >/dev/null || { echo "SKIP: xprop is missing"; exit 77; }
command -v xwininfo >/dev/null || { echo "SKIP: xwininfo is missing"; exit 77; }
export ZELK_E2E_SCREEN=1280x800
source "$(dirname "$0")/lib.sh"
export QT_SCALE_FACTOR=2

start_window_manager

# The outer rectangle: the client's (absolute, as the X server has it) and the frame the
# window manager drew around it.
outer_fits() {
    local info x y w h window=${1:-$main}
    info=$(xwininfo -id "$window")
    x=$(sed -n 's/.*Absolute upper-left X: *\([-0-9]*\).*/\1/p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *\([-0-9]*\).*/\1/p' <<<"$info")
    w=$(sed -n 's/.*Width: *\([0-9]*\).*/\1/p' <<<"$info")
    h=$(sed -n 's/.*Height: *\([0-9]*\).*/\1/p' <<<"$info")
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.*= \(.*\)/\1/p' | tr -d ' ')
    IFS=, read -r left right top bottom <<<"${extents:-0,0,0,0}"
    outer="$((x - left)),$((y - top)) $((w + left + right))x$((h + top + bottom))"
    [ $((x - left)) -ge 0 ] && [ $((y - top)) -ge 0 ] &&
        [ $((x + w + right)) -le 1280 ] && [ $((y + h + bottom)) -le 800 ]
}

start_zelk
main=$(wait_window 'Version 3\.3\[') || fail "the main window did not appear"
fits=no
for _ in $(seq 30); do
    outer_fits && { fits=yes; break; }
    sleep 0.2
done
[ "$fits" = yes ] || fail "the window ($outer) does not lie on the 1280x800 screen"

# Drawing mode (編集 → 作図), then a tap on Alt: Enter, X, Enter draw a line.
xdotool windowfocus --sync "$main"
xdotool key --delay 150 alt+e Return
sleep 1
xdotool key alt
sleep 0.3
xdotool key --delay 150 Return x Return
wait_title "] 変更あり" ||
    fail "after a tap on Alt the keys did not reach the window: $(xdotool getwindowname "$main")"

# The same after a menu opened with the mouse and closed with one Esc: Enter, Y, Enter
# draw a second line (counted in the saved file).
xdotool mousemove --window "$main" 20 8 click 1
sleep 0.5
xdotool key Escape
sleep 0.3
xdotool key --delay 150 Return y Return
sleep 0.5
# Saving (Ctrl+S) opens the save dialog only if the keys reach the window.
xdotool key ctrl+s
dialog=$(wait_window '保存|Save') || fail "after Esc out of a menu the keys did not reach the window"
xdotool windowfocus --sync "$dialog"
xdotool key --delay 100 ctrl+a
xdotool type --delay 50 "$work/drawn.zlk"
xdotool key Return
for _ in $(seq 50); do [ -f "$work/drawn.zlk" ] && break; sleep 0.2; done
[ -f "$work/drawn.zlk" ] || fail "the figure was not saved"
count() { head -n 1 "$1" | awk '{print $4}' | tr -d '\r'; }
[ "$(count "$work/drawn.zlk")" = $(($(count "$work/data/zelk01.zlk") + 2)) ] ||
    fail "the saved figure has $(count "$work/drawn.zlk") lines, not the built-in figure's and two"

# The detailed-input panel by keyboard alone: オプション → 詳細入力モード, Tab to the start
# point's Y, type 42, Return applies the line (its message closed with Return); saved.
before=$(count "$work/drawn.zlk")
xdotool windowfocus --sync "$main"
xdotool key --delay 200 alt+o Down Down Return
sleep 0.5
xdotool key --delay 150 Tab Tab 4 2 Return
applied=$(wait_window 'Version 3\.3$') || fail "Return in a field of the panel applied nothing"
xdotool windowfocus --sync "$applied"
xdotool key Return
sleep 0.5
xdotool windowfocus --sync "$main"
xdotool key ctrl+s
dialog=$(wait_window '保存|Save') || fail "after the panel the keys did not reach the window"
# A dialog too lies wholly on the screen, frame included.
fits=no
for _ in $(seq 30); do
    outer_fits "$dialog" && { fits=yes; break; }
    sleep 0.2
done
[ "$fits" = yes ] || fail "the save dialog ($outer) does not lie on the 1280x800 screen"
xdotool windowfocus --sync "$dialog"
xdotool key --delay 100 ctrl+a
xdotool type --delay 50 "$work/typed.zlk"
xdotool key Return
for _ in $(seq 50); do [ -f "$work/typed.zlk" ] && break; sleep 0.2; done
[ "$(count "$work/typed.zlk")" = $((before + 1)) ] ||
    fail "the line typed in the panel was not kept ($(count "$work/typed.zlk") lines)"
grep -q " 42 " "$work/typed.zlk" || fail "the typed coordinate is not in the figure"
echo "PASS"
