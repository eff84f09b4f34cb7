# Sourced by the scripts that run the real program on a screen of their own: a private Xvfb
# with openbox, and the processes a run starts there, ended last started first.
#
#   source scripts/schermo-privato.sh
#   avvia_schermo WIDTH HEIGHT FOLDER    # exports DISPLAY; FOLDER keeps the display's number
#   programma ... & processi+=($!)       # whatever else the run starts
#   id=$(finestra TITLE); quieta; geometria "$id"
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
    schermo_cartella="$cartella"
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

# The visible window whose title matches, once it is there (up to 30 s). When none comes it
# prints nothing, says so with the program's logs in FOLDER, and fails.
finestra() {
    local id
    id=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1) || true
    if [[ -z "$id" ]]; then
        echo "finestra non comparsa: $1" >&2
        cat "$schermo_cartella"/programma*.log >&2 2>/dev/null || true
        return 1
    fi
    echo "$id"
}

# Waits until two captures a moment apart are the same: a curtain has opened, a form has taken
# its size, nothing is being painted. The last capture stays in FOLDER/ora.ppm.
quieta() {
    local prima="" ora
    for _ in $(seq 80); do
        sleep 0.25
        import -window root "$schermo_cartella/ora.ppm"
        ora=$(md5sum <"$schermo_cartella/ora.ppm")
        [[ "$ora" == "$prima" ]] && return 0
        prima=$ora
    done
    echo "avviso: lo schermo non si ferma" >&2
}

# Sets X Y W H for the window (its client area, in screen pixels). xwininfo, because xdotool
# counts the frame of a reparenting window manager twice.
geometria() {
    local info
    info=$(xwininfo -id "$1")
    X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    W=$(sed -n 's/^ *Width: *//p' <<<"$info")
    H=$(sed -n 's/^ *Height: *//p' <<<"$info")
}
