#!/usr/bin/env bash
# Builds the benchmarks in release mode and prints their tables: start-up against a minimal Qt
# program, every user action, printing a page of each worksheet kind, a class set of 25 and 60
# sheets saved and printed (time, peak memory, pauses of the interface thread), idleness.
# Start-up is measured on a real X display: the current one, or a private Xvfb with openbox;
# once with reading aloud off (the default) and once with it on (--voce).
# Optional argument: how many launches of each program (default 21).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dipendenze.sh
# Quiet builds: no progress lines before the tables, but every compiler message still shows.
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF --log-level=WARNING
cmake --build build-bench --target bench -- --quiet

source scripts/schermo-privato.sh
tmp=$(mktemp -d /tmp/bench-XXXXXX)
trap 'termina_processi; rm -rf "$tmp"' EXIT
[[ -n "${DISPLAY:-}" ]] || avvia_schermo 1920 1080 "$tmp"

esito=0
echo "Start-up on DISPLAY=$DISPLAY"
QT_QPA_PLATFORM=xcb build-bench/bench/bench_avvio build-bench/bench/bench_minimo \
    build-bench/bench/bench_tandorino "${1:-21}" || esito=$?
# Reading aloud switched on from the command line: the speaking module and the speech engine are
# loaded, and the engine starts on its own thread while the first frame is drawn.
QT_QPA_PLATFORM=xcb build-bench/bench/bench_avvio build-bench/bench/bench_minimo \
    "build-bench/bench/bench_tandorino --voce" "${1:-21}" || esito=$?
# Actions are timed offscreen: no window manager or compositor in the measurement.
QT_QPA_PLATFORM=offscreen build-bench/bench/bench_azioni 2> >(grep -v XDG_RUNTIME_DIR >&2) || esito=$?
exit "$esito"
