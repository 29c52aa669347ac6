#!/usr/bin/env bash
# End to end as a user installs it: build the .deb, check it with lintian, install it
# with dpkg, start /usr/bin/zelk on its own X display with a fresh HOME, make a change, quit, and find
# the settings and data in that HOME's XDG folders and nothing written under /usr.
# Then remove (purge) the package. Needs root (skipped otherwise) and dpkg.
# Usage: deb_install_test.sh <build folder>
set -euo pipefail
build="$1"
[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
for tool in dpkg cpack dpkg-shlibdeps lintian Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
if dpkg-query -W -f='${Status}' zelk 2>/dev/null | grep -q 'install ok installed'; then
    echo "SKIP: a zelk package is installed already; not touching it"
    exit 77
fi

program=""
installed=0
source "$(dirname "$0")/lib.sh"
trap 'cleanup; [ $installed -eq 1 ] && dpkg -P zelk >/dev/null 2>&1 || true' EXIT

(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/pkg/zelk_3.3_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no zelk_3.3_<arch>.deb"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "dependencies not found from the libraries"
# Debian's own checks: no error and no warning.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian"; }
touch "$work/marker"
sleep 1
dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i"; }
installed=1
[ -x /usr/bin/zelk ] || fail "/usr/bin/zelk is missing"
[ -x /usr/libexec/zelk/zelk-import ] || fail "the model reader /usr/libexec/zelk/zelk-import is missing"
find /usr/bin/zelk /usr/share/zelk -newer "$work/marker" >"$work/installed.list"
# The installed program finds its installed reader.
printf 'v 0 0 0\nv 10 0 0\nv 0 10 0\nf 1 2 3\n' >"$work/tri.obj"
env -u ZELK_IMPORT_WORKER ASAN_OPTIONS=detect_leaks=0 /usr/bin/zelk --import "$work/tri.obj" "$work/tri.zlk" \
    >"$work/import.log" 2>&1 || { cat "$work/import.log"; fail "zelk --import with the installed reader"; }
head -n 1 "$work/tri.zlk" | grep -q ' 3 ' ||
    fail "the imported triangle has not 3 segments: $(head -n 1 "$work/tri.zlk")"
sleep 1
touch "$work/marker2"

home="$work/home"
mkdir -p "$home"

env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" ASAN_OPTIONS=detect_leaks=0 \
    /usr/bin/zelk >"$work/run1.log" 2>&1 &
zelk_pid=$!
main=$(wait_window 'Version 3\.3\[') || fail "the main window did not appear"
draw_a_line
choose_quit
answer '^立体ゼルク$' y
answer '^超簡易3D editor 立体ゼルク Version 3\.3$' y
wait_exit || fail "the program did not end"
! grep -q "no sound" "$work/run1.log" || fail "the installed program did not find its sound library"

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
