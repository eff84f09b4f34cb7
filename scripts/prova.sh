#!/usr/bin/env bash
# Installs what is missing, builds Tandorino with its tests and runs every test headless:
# once in a normal build, once under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dipendenze.sh
export QT_QPA_PLATFORM=offscreen
# The printing tests have their private CUPS server here: without it they fail, not skip.
export TANDORINO_CUPS_PRIVATO=1
# Every case runs in a process of its own and starts the servers it needs, so cases run side by side.
parallelo=$(nproc)

# Warnings are errors in both builds; the sanitized one sees code paths the other inlines away.
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON \
    -DTANDORINO_WERROR=ON
cmake --build build-test
ctest --test-dir build-test --output-on-failure -j "$parallelo"

# Light optimisation and line tables only: reports keep file and line, the build stays quick.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DTANDORINO_SANITIZE=ON -DTANDORINO_WERROR=ON
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
    ctest --test-dir build-asan --output-on-failure -j "$parallelo"
