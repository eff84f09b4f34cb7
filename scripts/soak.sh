#!/usr/bin/env bash
# The long monkey soak: random user events on every form of the program, with the program's
# invariants checked after each of them. A failure prints its seed and the shortest event list
# found that repeats it, with the command to play it again.
#
#   scripts/soak.sh [seeds [events]]      default: 100000 events for each of the seeds "1 2 3"
#
# The TANDORINO_SOAK_* variables described in tests/soak/SoakTest.cpp choose the same things
# (and a few more); the arguments win over them. Builds the test program first if needed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dipendenze.sh

if [[ $# -ge 1 ]]; then
    export TANDORINO_SOAK_SEMI="$1"
fi
if [[ $# -ge 2 ]]; then
    export TANDORINO_SOAK_EVENTI="$2"
fi
export TANDORINO_SOAK_EVENTI="${TANDORINO_SOAK_EVENTI:-100000}"
export TANDORINO_SOAK_SEMI="${TANDORINO_SOAK_SEMI:-1 2 3}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

# The folder of an existing build is used as it is; otherwise one is made.
cartella="${TANDORINO_SOAK_BUILD:-build}"
if [[ ! -f "$cartella/build.ninja" ]]; then
    cmake -S . -B "$cartella" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
        --log-level=WARNING
fi
# Quiet: no progress lines before the soak's own report, but every compiler message shows.
cmake --build "$cartella" --target test_soak -- --quiet
exec "$cartella/tests/soak/test_soak" --gtest_filter='Soak.*'
