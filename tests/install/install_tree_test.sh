#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under /usr and checks the tree: the
# program, the view library with its soname, the read-only data, the desktop files
# (validated), the icons and the man page; the installed program answers --help and
# --version without a display and without writing a file.
# Usage: install_tree_test.sh <build folder>
set -euo pipefail
build="$1"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
usr="$root/usr"
libdir=$(cd "$usr" && ls -d lib/zelk/libctlZelkView.so.1 lib/*/zelk/libctlZelkView.so.1 2>/dev/null |
    head -n 1 || true)
[ -n "$libdir" ] || fail "the program's own library libctlZelkView.so.1 is not installed"

for f in bin/zelk "$libdir" share/zelk/pic/ZelkSplash.bmp share/zelk/pic/ZelkVersion.bmp \
    share/zelk/sound/Splash.wav share/zelk/sound/Fin.wav share/zelk/help/ZW33.html \
    share/zelk/translations/zelk_en.qm \
    share/applications/zelk.desktop share/mime/packages/zelk.xml \
    share/metainfo/io.github.zelk.Zelk.metainfo.xml \
    share/icons/hicolor/scalable/apps/zelk.svg share/icons/hicolor/48x48/apps/zelk.png \
    share/icons/hicolor/256x256/apps/zelk.png share/man/man1/zelk.1.gz share/man/ja/man1/zelk.1.gz \
    share/zelk/help/ZW33_en.html \
    share/doc/zelk/copyright share/doc/zelk/changelog.gz; do
    [ -e "$usr/$f" ] || fail "missing $f"
done
[ "$(ls "$usr"/share/zelk/exercises/L[1-5]-*.zlk 2>/dev/null | wc -l)" -ge 30 ] ||
    fail "fewer than 30 exercises in share/zelk/exercises"
[ ! -e "$usr/bin/data" ] || fail "a data folder beside an installed program"
readelf -d "$usr/bin/zelk" | grep -q "RUNPATH.*\[\\\$ORIGIN/\.\./${libdir%/*}\]" ||
    fail "no RUNPATH to the program's own library folder"
readelf -d "$usr/$libdir" | grep -q 'SONAME.*libctlZelkView.so.1' || fail "wrong soname"
# Sound comes from a library of the program's own, opened while the window is built: the
# program itself links no multimedia library (they would hold up every start).
sound="$usr/${libdir%/*}/libzelkSound.so"
[ -e "$sound" ] || fail "the sound library is not beside the view library"
readelf -d "$sound" | grep -q 'NEEDED.*libQt6Multimedia' || fail "the sound library links no Qt Multimedia"
! readelf -d "$usr/bin/zelk" | grep -q 'NEEDED.*Multimedia' || fail "the program links Qt Multimedia"
file "$usr/share/icons/hicolor/48x48/apps/zelk.png" | grep -q '48 x 48' || fail "48-pixel icon"
file "$usr/share/icons/hicolor/256x256/apps/zelk.png" | grep -q '256 x 256' || fail "256-pixel icon"

desktop-file-validate "$usr/share/applications/zelk.desktop" || fail "desktop file"
appstreamcli validate --no-net --explain "$usr/share/metainfo/io.github.zelk.Zelk.metainfo.xml" ||
    fail "metainfo"
xmllint --noout "$usr/share/mime/packages/zelk.xml" || fail "mime package"
xmllint --noout "$usr/share/icons/hicolor/scalable/apps/zelk.svg" || fail "icon"
man -l "$usr/share/man/man1/zelk.1.gz" >/dev/null 2>&1 ||
    echo "note: no man to render the man page"
# The man page names every option the program takes.
for option in --help --version --export --import --scale --to-origin --z-up; do
    zcat "$usr/share/man/man1/zelk.1.gz" | sed 's/\\-/-/g' | grep -q -- "$option" ||
        fail "the man page does not name $option"
done
zcat "$usr/share/man/man1/zelk.1.gz" | grep -q '^\.SH EXIT STATUS' || fail "no exit statuses"

# --help and --version: no display needed, no file written, exit 0; unknown options fail.
home=$(mktemp -d)
before=$(find "$root" "$home" | sort | md5sum)
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" "$usr/bin/zelk" --help) ||
    fail "--help did not exit 0"
echo "$out" | grep -q -- '--version' || fail "--help does not describe --version"
[ "$(env -u DISPLAY HOME="$home" "$usr/bin/zelk" --version)" = "zelk 3.3" ] || fail "--version"
set +e
env -u DISPLAY HOME="$home" "$usr/bin/zelk" --no-such-option 2>"$home.err"
code=$?
set -e
[ $code -eq 2 ] || fail "an unknown option exits $code, not 2"
grep -q 'no-such-option' "$home.err" || fail "the error does not name the option"
rm -f "$home.err"
after=$(find "$root" "$home" | sort | md5sum)
[ "$before" = "$after" ] || fail "--help, --version or a bad option wrote files"
rm -rf "$home"
echo "PASS"
