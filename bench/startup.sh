#!/bin/bash
# Start-up time of the editor opening a 32767-segment figure, from exec until its main
# window is mapped, beside the same for a window with the editor's Japanese menu titles and
# a status line (the goal's baseline: what any window with text costs) and for a minimal Qt
# window; medians of several runs under Xvfb, and their ratios. Build the benchmarks
# first (see the README), then:
#   bench/startup.sh [build-bench] [runs]
set -euo pipefail
build=$(realpath "${1:-build-bench}")
runs=${2:-7}
watch="$build/bench/zelk_map_watch"
for program in "$watch" "$build/bench/zelk_minimal_window" "$build/bench/zelk_text_window" \
    "$build/bin/zelk"; do
    [ -x "$program" ] || { echo "missing $program: build the benchmarks first" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT

# The figure: 32767 distinct segments between random points of a 300 mm cube.
python3 - "$work/big.zlk" <<'PY'
import random, sys
random.seed(3)
seen, lines = set(), []
while len(lines) < 32767:
    v = tuple(random.randint(0, 300) for _ in range(6))
    if v[:3] == v[3:] or v in seen or v[3:] + v[:3] in seen:
        continue
    seen.add(v)
    lines.append(v)
with open(sys.argv[1], "wb") as f:
    f.write(b"300           300           300            32767 \r\n")
    for l in lines:
        f.write(("  ".join(str(x) for x in l) + "\r\n").encode())
    f.write(b"startup\r\n")
PY

# A program folder of its own, so that settings and autosave of earlier runs do not count.
mkdir -p "$work/program"
cp -r "$build/bin/." "$work/program/"
rm -rf "$work/program/data" "$work/program/ZelkWin33.ini"
# The splash holds the start for its cue's length by design (with or without a device):
# a pause the user is given, not a cost of starting. Without the cue it does not wait.
rm -f "$work/program/sound/Splash.wav"

# The server picks a free display number itself.
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 2; }
display=":$(head -n 1 "$work/display")"
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$display QT_QPA_PLATFORM=xcb

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

zelk_times=()
minimal_times=()
text_times=()
for _ in $(seq "$runs"); do
    # Side by side, alternating, so that all see the same machine.
    # A window that never maps must not hold the run: each watch has a time limit.
    minimal_times+=("$(timeout 60 "$watch" "minimal window" "$build/bench/zelk_minimal_window")")
    text_times+=("$(timeout 60 "$watch" "text window" "$build/bench/zelk_text_window")")
    rm -f "$work/program/data/autosave.zlk"
    zelk_times+=("$(timeout 60 "$watch" "big.zlk" "$work/program/zelk" "$work/big.zlk")")
done
zelk=$(printf '%s\n' "${zelk_times[@]}" | median)
minimal=$(printf '%s\n' "${minimal_times[@]}" | median)
text=$(printf '%s\n' "${text_times[@]}" | median)
echo "minimal Qt window: ${minimal_times[*]} ms (median $minimal)"
echo "window with the menu titles: ${text_times[*]} ms (median $text)"
echo "zelk, 32767 segments: ${zelk_times[*]} ms (median $zelk)"
load=$(cut -d' ' -f1 /proc/loadavg)
awk -v a="$zelk" -v b="$minimal" -v t="$text" -v l="$load" 'BEGIN {
    printf "ratio zelk start-up / window with the menu titles = %.2f (target <= 1.30; load %s)\n", a / t, l
    printf "ratio zelk start-up / minimal Qt window = %.2f (reference; load %s)\n", a / b, l
    printf "ratio window with the menu titles / minimal Qt window = %.2f (reference; load %s)\n", t / b, l
}'
