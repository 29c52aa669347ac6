#!/usr/bin/env bash
# End to end under a real window manager: 練習 → 問題を選ぶ… opens the chooser, Enter takes
# the first exercise, its answer is drawn with the keys (X, Y, Z, Shift for minus, Enter),
# 答え合わせ says it is right and the progress file records it as solved.
# Usage: exercise_test.sh <program folder of the build>
set -euo pipefail
program="$1"
command -v openbox >/dev/null || { echo "SKIP: openbox is missing"; exit 77; }
source "$(dirname "$0")/lib.sh"
[ -f "$work/exercises/L1-01.zlk" ] || fail "the built-in exercises are missing"

start_window_manager
start_zelk
main=$(wait_window 'Version 3\.3\[') || fail "the main window did not appear"
xdotool windowfocus --sync "$main"
xdotool key --delay 150 alt+r Return
chooser=$(wait_window '問題を選ぶ') || fail "the exercise chooser did not open"
xdotool windowfocus --sync "$chooser"
xdotool key Return
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '問題を選ぶ' >/dev/null 2>&1 || break
    sleep 0.2
done
xdotool windowfocus --sync "$main"
sleep 0.5

# The answer: every line of the exercise, walked to with the axis keys, 20 mm a key.
keys=()
at=(0 0 0)
walk() {
    local axis
    for axis in 0 1 2; do
        local letter=(x y z)
        while [ "${at[$axis]}" -ne "$(($1))" ]; do
            if [ "${at[$axis]}" -lt "$(($1))" ]; then
                keys+=("${letter[$axis]}")
                at[$axis]=$((at[$axis] + 20))
            else
                keys+=("shift+${letter[$axis]}")
                at[$axis]=$((at[$axis] - 20))
            fi
        done
        shift
    done
}
count=$(head -n 1 "$work/exercises/L1-01.zlk" | awk '{print $4}' | tr -d '\r')
while read -r fx fy fz tx ty tz; do
    walk "$fx" "$fy" "$fz"
    keys+=(Return)
    walk "$tx" "$ty" "$tz"
    keys+=(Return)
done < <(sed -n "2,$((count + 1))p" "$work/exercises/L1-01.zlk" | tr -d '\r')
xdotool key --delay 60 "${keys[@]}"
wait_title "] 変更あり" || fail "the keys drew nothing: $(xdotool getwindowname "$main")"

# 練習 → 答え合わせ (the second item).
xdotool key --delay 150 alt+r Down Return
result=$(wait_window '答え合わせ') || fail "the check said nothing"
progress="$work/ZelkExercises.txt"
for _ in $(seq 50); do [ -f "$progress" ] && break; sleep 0.2; done
grep -q $'^L1-01\t1\t1\t' "$progress" ||
    fail "the exercise was not recorded as solved: $(cat "$progress" 2>/dev/null)"
xdotool windowfocus --sync "$result"
xdotool key Return
echo "PASS"
