#!/usr/bin/env bash
# Installs what is missing, builds Tandorino with its tests and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dipendenze.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build build-test
ctest --test-dir build-test --output-on-failure
