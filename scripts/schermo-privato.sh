# Sourced by the scripts that run the real program on a screen of their own: a private Xvfb
# with openbox, and the processes a run starts there, ended last started first.
#
#   source scripts/schermo-privato.sh
#   avvia_schermo WIDTH HEIGHT FOLDER    # exports DISPLAY; FOLDER keeps the display's number
#   programma ... & processi+=($!)       # whatever else the run starts
#   termina_processi                     # on the way out (the caller's EXIT trap)

processi=()

termina_processi() {
    local i
    for ((i = ${#processi[@]} - 1; i >= 0; i--)); do
        kill "${processi[i]}" 2>/dev/null || true
        wait "${processi[i]}" 2>/dev/null || true
    done
    processi=()
}

avvia_schermo() {
    local larghezza="$1" altezza="$2" cartella="$3"
    rm -f "$cartella/display"
    # -displayfd picks a free display, so runs side by side never meet.
    Xvfb -displayfd 9 -screen 0 "${larghezza}x${altezza}x24" -dpi 96 -nolisten tcp \
        9>"$cartella/display" >/dev/null 2>&1 &
    processi+=($!)
    for _ in $(seq 100); do [[ -s "$cartella/display" ]] && break; sleep 0.1; done
    [[ -s "$cartella/display" ]] || { echo "Xvfb non è partito" >&2; return 1; }
    export DISPLAY=":$(head -1 "$cartella/display")"
    openbox --sm-disable >/dev/null 2>&1 &
    processi+=($!)
    # Windows mapped before the window manager runs would keep no frame.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    echo "openbox non è partito" >&2
    return 1
}
