#!/usr/bin/env bash
# End to end as a user installs it: build the .deb, install it with dpkg, start
# /usr/bin/zelk on its own X display with a fresh HOME, make a change, quit, and find
# the settings and data in that HOME's XDG folders and nothing written under /usr.
# Then remove (purge) the package. Needs root (skipped otherwise) and dpkg.
# Usage: deb_install_test.sh <build folder>
set -euo pipefail
build="$1"
[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
for tool in dpkg cpack dpkg-shlibdeps Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
if dpkg-query -W -f='${Status}' zelk 2>/dev/null | grep -q 'install ok installed'; then
    echo "SKIP: a zelk package is installed already; not touching it"
    exit 77
fi

program=""
work=$(mktemp -d)
xvfb_pid=""
zelk_pid=""
installed=0
cleanup() {
    [ -n "$zelk_pid" ] && kill -9 "$zelk_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ $installed -eq 1 ] && dpkg -P zelk >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    [ -f "$work/run.log" ] && { echo "----- run.log"; cat "$work/run.log"; }
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/pkg/zelk_3.3_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no zelk_3.3_<arch>.deb"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "dependencies not found from the libraries"
touch "$work/marker"
sleep 1
dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i"; }
installed=1
[ -x /usr/bin/zelk ] || fail "/usr/bin/zelk is missing"
find /usr/bin/zelk /usr/share/zelk -newer "$work/marker" >"$work/installed.list"
sleep 1
touch "$work/marker2"

Xvfb -displayfd 5 -noreset -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "SKIP: Xvfb did not start here"; exit 77; }
export DISPLAY=":$(head -n 1 "$work/display")"
export QT_QPA_PLATFORM=xcb
home="$work/home"
mkdir -p "$home"

env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" ASAN_OPTIONS=detect_leaks=0 \
    /usr/bin/zelk >"$work/run.log" 2>&1 &
zelk_pid=$!
main=""
for _ in $(seq 150); do
    main=$(xdotool search --onlyvisible --name 'Version 3\.3\[' 2>/dev/null | head -n 1 || true)
    [ -n "$main" ] && break
    sleep 0.2
done
[ -n "$main" ] || fail "the main window did not appear"
xdotool windowfocus --sync "$main"
xdotool key --delay 150 alt+e Return
sleep 1
xdotool key --delay 150 Return x x Return
sleep 1
case "$(xdotool getwindowname "$main")" in *"変更あり") ;; *) fail "no change made" ;; esac
xdotool windowfocus --sync "$main"
xdotool key --delay 200 alt+f Up Return
for title in '^立体ゼルク$' '^超簡易3D editor 立体ゼルク Version 3\.3$'; do
    box=""
    for _ in $(seq 50); do
        box=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
        [ -n "$box" ] && break
        sleep 0.2
    done
    [ -n "$box" ] || fail "no box $title"
    sleep 0.3
    xdotool windowfocus --sync "$box"
    xdotool key alt+y
done
for _ in $(seq 100); do kill -0 "$zelk_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$zelk_pid" 2>/dev/null && fail "the program did not end"
zelk_pid=""

[ -s "$home/.config/zelk/ZelkWin33.ini" ] || fail "no settings in ~/.config/zelk"
[ -s "$home/.local/share/zelk/data/zelk01.zlk" ] || fail "no data in ~/.local/share/zelk/data"
[ ! -e "$home/.local/share/zelk/data/autosave.zlk" ] || fail "a clean quit left autosave.zlk"
grep -q "DataFolderPath=$home/.local/share/zelk/data" "$home/.config/zelk/ZelkWin33.ini" ||
    fail "the settings name another data folder"
written=$(find /usr/bin /usr/share/zelk /usr/lib -newer "$work/marker2" 2>/dev/null | head -n 5)
[ -z "$written" ] || fail "written under /usr: $written"

dpkg -P zelk >/dev/null
installed=0
[ ! -e /usr/bin/zelk ] || fail "the package did not remove /usr/bin/zelk"
echo "PASS"
