# Shared by the end-to-end tests: a program folder of its own, an X server of its own
# (never reset, so that a killed client cannot take the display down with it), waiting
# for windows and titles, and the program's own output on any failure.
# The caller sets: program (the built program folder, or "" for an installed program),
# and may set ZELK_E2E_SCREEN (the screen size, 1280x1024 when unset).

for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
xvfb_pid=""
zelk_pid=""
runs=0

cleanup() {
    [ -n "$zelk_pid" ] && kill -9 "$zelk_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# On failure the program explains itself: every run's output goes into the test log.
fail() {
    echo "FAIL: $*"
    for log in "$work"/run*.log; do
        [ -f "$log" ] || continue
        echo "----- $(basename "$log")"
        cat "$log"
    done
    exit 1
}

# A program folder of its own, as a portable unpack has it.
if [ -n "$program" ]; then
    cp -a "$program"/zelk "$program"/libctlZelkView.so* "$work"/
    cp -a "$program"/pic "$program"/sound "$program"/help "$work"/
    for extra in exercises translations; do
        if [ -d "$program/$extra" ]; then cp -a "$program/$extra" "$work"/; fi
    done
fi

# -displayfd picks a free display number; -noreset keeps the server when its last
# client goes (a killed program must not take the display down before the next start).
# Two servers starting at the same moment can pick the same number (each removes the
# other's socket as stale), so servers start one at a time, under a lock.
exec 9>"${TMPDIR:-/tmp}/zelk-e2e-xvfb.lock"
flock 9
Xvfb -displayfd 5 -noreset -screen 0 "${ZELK_E2E_SCREEN:-1280x1024}x24" -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
if [ ! -s "$work/display" ]; then
    flock -u 9
    echo "SKIP: Xvfb did not start here"
    exit 77
fi
export DISPLAY=":$(head -n 1 "$work/display")"
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
flock -u 9
exec 9>&-
export QT_QPA_PLATFORM=xcb
export ASAN_OPTIONS=detect_leaks=0

# Waits until the X server answers.
wait_server() {
    for _ in $(seq 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "the X server $DISPLAY does not answer"
}

# Starts the program (arguments follow) with its output in run<N>.log.
start_zelk() {
    wait_server
    runs=$((runs + 1))
    "$work/zelk" "$@" >"$work/run$runs.log" 2>&1 &
    zelk_pid=$!
}

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

# Waits until the program has ended by itself (up to a minute: a sanitizer build on a busy
# machine takes its time to write its files and end; the wait ends as soon as it has).
wait_exit() {
    for _ in $(seq 600); do
        kill -0 "$zelk_pid" 2>/dev/null || { zelk_pid=""; return 0; }
        sleep 0.1
    done
    return 1
}

# Draws one line from the origin along x in drawing mode.
draw_a_line() {
    xdotool windowfocus --sync "$main"
    xdotool key --delay 150 alt+e Return # 編集 → 作図: drawing mode
    sleep 1
    xdotool key --delay 150 Return x x Return
    wait_title "] 変更あり" || fail "the figure did not change: $(xdotool getwindowname "$main")"
}

# Answers the box whose title matches with Alt and a letter (y: はい, n: いいえ).
answer() {
    box=$(wait_window "$1") || fail "no box titled $1"
    sleep 0.3
    xdotool windowfocus --sync "$box"
    xdotool key "alt+$2"
}

# ファイル → 終了.
choose_quit() {
    xdotool windowfocus --sync "$main"
    xdotool key --delay 200 alt+f Up Return
}

# Accepts the recovery notice and waits for the recovered figure, shown as changed.
accept_recovery() {
    notice=$(wait_window '^立体ゼルク$') || fail "no recovery notice"
    sleep 0.5
    xdotool windowfocus --sync "$notice"
    xdotool key Return
    main=$(wait_window 'autosave\.zlk\] 変更あり') || fail "the recovered figure is not shown as changed"
}

# The line count in the header of the autosave file.
autosave_lines() {
    head -n 1 "$work/data/autosave.zlk" | awk '{print $4}'
}

# Starts openbox on the display and waits until it manages windows (the caller has
# checked for openbox and xprop).
start_window_manager() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    trap 'kill "$wm_pid" 2>/dev/null || true; cleanup' EXIT
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
}
