#!/usr/bin/env bash
# End to end, with the real program on its own X display: a changed figure is
# autosaved, the program is killed with SIGKILL, and the next start finds the figure
# in autosave.zlk, shows the recovery notice and opens it; a start with a file in between
# leaves that file alone.
# Usage: crash_recovery_test.sh <program folder of the build>
set -euo pipefail
program="$1"
source "$(dirname "$0")/lib.sh"

# First run: draw one line, so the figure is changed, and wait for the autosave.
start_zelk
main=$(wait_window 'Version 3\.3\[') || fail "the main window did not appear"
draw_a_line

for _ in $(seq 90); do [ -s "$work/data/autosave.zlk" ] && break; sleep 1; done
[ -s "$work/data/autosave.zlk" ] || fail "no autosave within 90 s"
sleep 1
count=$(autosave_lines)
[ "$count" = "16" ] || fail "autosave holds $count lines, not 16"

kill -9 "$zelk_pid"
wait "$zelk_pid" 2>/dev/null || true
zelk_pid=""
[ -f "$work/data/autosave.zlk" ] || fail "the crash marker is gone"

# A start with a file meanwhile (a double click in the file manager): it autosaves into
# a file of its own and ends normally; the crashed copy's work stays byte for byte.
before=$(md5sum <"$work/data/autosave.zlk")
cp "$work/data/zelk01.zlk" "$work/data/opened.zlk" 2>/dev/null ||
    printf '0 0 0 1\r\n0 0 0 5 5 5\r\nopened\r\n' >"$work/data/opened.zlk"
start_zelk "$work/data/opened.zlk"
main=$(wait_window 'opened\.zlk\]') || fail "the figure named at start did not open"
draw_a_line
for _ in $(seq 90); do [ -s "$work/data/autosave-2.zlk" ] && break; sleep 1; done
[ -s "$work/data/autosave-2.zlk" ] || fail "the second copy made no autosave of its own in 90 s"
[ "$(md5sum <"$work/data/autosave.zlk")" = "$before" ] || fail "the recovery file changed"
choose_quit
answer '^立体ゼルク$' y
answer '^超簡易3D editor 立体ゼルク Version 3\.3$' y
wait_exit || fail "the second copy did not end"
[ -f "$work/data/autosave.zlk" ] || fail "a normal end deleted another copy's recovery file"
[ "$(md5sum <"$work/data/autosave.zlk")" = "$before" ] || fail "the recovery file changed at the end"
[ ! -e "$work/data/autosave-2.zlk" ] || fail "the second copy left its own autosave file"

# Second run: the recovery notice, then the autosaved figure under its own name.
start_zelk
accept_recovery
echo "recovered: $(xdotool getwindowname "$main")"
echo "PASS"
