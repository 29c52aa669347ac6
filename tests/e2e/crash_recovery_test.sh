#!/usr/bin/env bash
# End to end, with the real program on its own X display: a changed figure is
# autosaved, the program is killed with SIGKILL, and the next start finds the figure
# in autosave.zlk, shows the recovery notice and opens it.
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

# Second run: the recovery notice, then the autosaved figure under its own name.
start_zelk
accept_recovery
echo "recovered: $(xdotool getwindowname "$main")"
echo "PASS"
