#!/usr/bin/env bash
# End to end, with the real program on its own X display: a change survives SIGTERM
# without waiting for the minute's autosave; the recovered figure counts as unsaved, so
# quitting asks, "No" keeps it, and only "Yes" lets autosave.zlk go.
# Usage: session_end_test.sh <program folder of the build>
set -euo pipefail
program="$1"
source "$(dirname "$0")/lib.sh"

start_zelk
main=$(wait_window 'Version 3\.3\[') || fail "the main window did not appear"
draw_a_line
kill -TERM "$zelk_pid"
wait_exit || fail "SIGTERM did not end the program"
[ -s "$work/data/autosave.zlk" ] || fail "SIGTERM left no autosave.zlk"
count=$(autosave_lines)
[ "$count" = "16" ] || fail "autosave holds $count lines, not 16"
[ -f "$work/ZelkWin33.ini" ] || fail "the settings were not written"

# Next start: recovered, marked changed.
start_zelk
accept_recovery

# Quit, but keep the work.
choose_quit
answer '^立体ゼルク$' y
answer '^超簡易3D editor 立体ゼルク Version 3\.3$' n
sleep 1
kill -0 "$zelk_pid" 2>/dev/null || fail "the program ended although the work was kept"
[ -s "$work/data/autosave.zlk" ] || fail "autosave.zlk went although the user kept the work"

# Quit and let it go.
choose_quit
answer '^立体ゼルク$' y
answer '^超簡易3D editor 立体ゼルク Version 3\.3$' y
wait_exit || fail "the program did not end"
[ ! -e "$work/data/autosave.zlk" ] || fail "autosave.zlk is still there after a confirmed quit"
echo "PASS"
