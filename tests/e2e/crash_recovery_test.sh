#!/usr/bin/env bash
# End to end, with the real program on its own X display: a changed figure is
# autosaved, the program is killed with SIGKILL, and the next start finds the figure
# in autosave.zlk, shows the recovery notice and opens it.
# Usage: crash_recovery_test.sh <program folder of the build>
set -euo pipefail

program="$1"
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
xvfb_pid=""
zelk_pid=""
cleanup() {
    [ -n "$zelk_pid" ] && kill -9 "$zelk_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A program folder of its own, as an installation has it.
cp -a "$program"/zelk "$program"/libctlZelkView.so* "$work"/
cp -a "$program"/pic "$program"/sound "$program"/help "$work"/

Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "SKIP: Xvfb did not start here"; exit 77; }
export DISPLAY=":$(head -n 1 "$work/display")"
export QT_QPA_PLATFORM=xcb
export ASAN_OPTIONS=detect_leaks=0

# Waits for a window whose name matches the pattern and prints its id.
wait_window() {
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}

# Waits until the main window's title ends as given.
wait_title() {
    for _ in $(seq 50); do
        case "$(xdotool getwindowname "$main" 2>/dev/null)" in
        *"$1") return 0 ;;
        esac
        sleep 0.2
    done
    return 1
}

# First run: draw one line, so the figure is changed, and wait for the autosave.
"$work/zelk" >"$work/run1.log" 2>&1 &
zelk_pid=$!
main=$(wait_window 'Version 3\.3\[') || fail "the main window did not appear"
xdotool windowfocus --sync "$main"
xdotool key --delay 150 alt+e Return        # 編集 → 作図: drawing mode
sleep 1
xdotool key --delay 150 Return x x Return   # a line from the origin along x
wait_title "] 変更あり" || fail "the figure did not change: $(xdotool getwindowname "$main")"

for _ in $(seq 90); do [ -s "$work/data/autosave.zlk" ] && break; sleep 1; done
[ -s "$work/data/autosave.zlk" ] || fail "no autosave within 90 s"
sleep 1
count=$(head -n 1 "$work/data/autosave.zlk" | awk '{print $4}')
[ "$count" = "16" ] || fail "autosave holds $count lines, not 16"

kill -9 "$zelk_pid"
wait "$zelk_pid" 2>/dev/null || true
zelk_pid=""
[ -f "$work/data/autosave.zlk" ] || fail "the crash marker is gone"

# Second run: the recovery notice, then the autosaved figure under its own name.
"$work/zelk" >"$work/run2.log" 2>&1 &
zelk_pid=$!
notice=$(wait_window '^立体ゼルク$') || fail "no recovery notice"
sleep 0.5
xdotool windowfocus --sync "$notice"
xdotool key Return
main=$(wait_window 'autosave\.zlk\]') || fail "the recovered figure is not shown"
echo "recovered: $(xdotool getwindowname "$main")"
echo "PASS"
