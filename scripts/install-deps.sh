#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing zelk need,
# when they are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont-gothic qt6-translations-l10n
    xvfb xauth xdotool imagemagick poppler-utils locales
)

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
