#!/usr/bin/env bash
# Installs what is missing, builds zelk and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target zelk zelk_data
exec ./build/bin/zelk "$@"
