#!/usr/bin/env bash
# Installs what is missing, builds Tandorino and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dipendenze.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target tandorino
exec build/tandorino "$@"
