#!/usr/bin/env bash
# End to end under a real window manager (openbox gives the window a frame only after it
# is shown): the window's outer size is the stated 800x400 from the start, stays so after
# the animation export restores the layout, and the window lies on the screen; the
# thumbnail browser opens in front.
# Usage: window_manager_test.sh <program folder of the build>
set -euo pipefail
program="$1"
command -v openbox >/dev/null || { echo "SKIP: openbox is missing"; exit 77; }
command -v xprop >/dev/null || { echo "SKIP: xprop is missing"; exit 77; }
source "$(dirname "$0")/lib.sh"

start_window_manager

# The outer size: the client's size and the frame the window manager drew around it.
outer_size() {
    local geometry extents
    geometry=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: \([0-9]*x[0-9]*\).*/\1/p')
    extents=$(xprop -id "$main" _NET_FRAME_EXTENTS | sed -n 's/.*= \(.*\)/\1/p' | tr -d ' ')
    IFS=, read -r left right top bottom <<<"${extents:-0,0,0,0}"
    echo "$(( ${geometry%x*} + left + right ))x$(( ${geometry#*x} + top + bottom ))"
}

wait_outer() {
    for _ in $(seq 30); do
        [ "$(outer_size)" = "$1" ] && return 0
        sleep 0.2
    done
    return 1
}

start_zelk
main=$(wait_window 'Version 3\.3\[') || fail "the main window did not appear"
wait_outer 800x400 || fail "the window's outer size is $(outer_size), not 800x400"
position=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Position: \([-0-9]*\),\([-0-9]*\).*/\1 \2/p')
read -r x y <<<"$position"
[ "$x" -ge 0 ] && [ "$y" -ge 0 ] || fail "the window is placed off the screen at $x,$y"

# ファイル → ぱらぱらアニメーション作成: 36 frames, then the layout comes back.
xdotool windowfocus --sync "$main"
xdotool key --delay 200 alt+f Down Down Down Down Return
notice=$(wait_window '^立体ゼルク$') || fail "no animation notice"
sleep 0.3
xdotool windowfocus --sync "$notice"
xdotool key Return
for _ in $(seq 150); do [ -f "$work/data/_ANIME036.bmp" ] && break; sleep 0.2; done
[ -f "$work/data/_ANIME036.bmp" ] || fail "the animation was not written"
sleep 1
wait_outer 800x400 || fail "after the animation export the outer size is $(outer_size), not 800x400"

# ファイル → サムネイル表示: the browser opens in front, with the focus.
xdotool windowfocus --sync "$main"
xdotool key --delay 200 alt+f Down Down Return
browser=$(wait_window 'サムネイル') || fail "the thumbnail browser did not open"
for _ in $(seq 25); do
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$browser" ] && break
    sleep 0.2
done
[ "$(xdotool getactivewindow 2>/dev/null)" = "$browser" ] ||
    fail "the thumbnail browser is not the active window: $(xdotool getactivewindow getwindowname)"
echo "PASS"
