#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing zelk need, when
# they are missing, and generates the locales the tests use. Uses sudo when not root.
set -euo pipefail

packages=(
    # build
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev
    # the English translation: lupdate and lrelease with their CMake functions
    qt6-l10n-tools qt6-tools-dev
    # exchange with other 3D programs: model import, animated GIF export
    libassimp-dev libgif-dev
    # the program: Japanese glyphs, Qt's own dialogs in Japanese
    fonts-ipafont-gothic qt6-translations-l10n
    # tests: GoogleTest, the real program on its own X display, PDF text, locales
    libgtest-dev xvfb xauth xdotool x11-utils openbox poppler-utils locales
    # 3D models made elsewhere, read by the import tests
    assimp-testmodels
    # the installed tree and the Debian package: validators, dpkg-shlibdeps, file
    desktop-file-utils appstream libxml2-utils dpkg-dev file lintian
)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# A comma-decimal locale for the number tests, and the users' own Japanese locale.
wanted=()
for l in de_DE.UTF-8 ja_JP.UTF-8; do
    locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || wanted+=("$l")
done
if [ ${#wanted[@]} -gt 0 ]; then
    for l in "${wanted[@]}"; do
        $sudo sed -i "s/^# *\(${l} UTF-8\)/\1/" /etc/locale.gen
        grep -q "^${l} UTF-8" /etc/locale.gen || echo "${l} UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    done
    $sudo locale-gen >/dev/null
fi
