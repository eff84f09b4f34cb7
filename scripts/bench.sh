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

pulizia=()
trap 'for p in "${pulizia[@]}"; do kill "$p" 2>/dev/null || true; done' EXIT
if [[ -z "${DISPLAY:-}" ]]; then
    for n in $(seq 90 99); do [[ -e /tmp/.X11-unix/X$n ]] || break; done
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    pulizia+=($!)
    export DISPLAY=":$n"
    for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    pulizia+=($!)
    sleep 1
fi

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
