#!/usr/bin/env bash
# Pictures of every window of the program, the same on every run, for comparing two builds.
#
#   scripts/schermate.sh [PROGRAM [OUTDIR]]    default: the program in build/ (built first), schermate/
#   scripts/schermate.sh --confronta DIR_A DIR_B
#
# The first form drives the real program as a child would, with xdotool clicks and keys, on a
# private Xvfb with openbox, and writes OUTDIR/1x/*.png (1920x1080 screen) and OUTDIR/2x/*.png
# (QT_SCALE_FACTOR=2 on a 2560x2048 screen). The wall clock is frozen with libfaketime, so the
# generator, seeded from the time of day, draws the same pictures every time; the monotonic
# clock is left alone so that Qt's timers (the curtain) still run. Printers come from a private
# cupsd with one PDF queue, so the printer dialog does not depend on the machine.
# The second form compares two such folders picture by picture and prints one line each with
# the number of differing pixels; the exit status is non-zero when any picture differs or is
# missing on one side.
set -euo pipefail
cd "$(dirname "$0")/.."

# ---- Comparing two folders ----

confronta() {
    local a="$1" b="$2" esito=0 nome differenza
    [[ -d "$a" && -d "$b" ]] || { echo "uso: $0 --confronta CARTELLA_A CARTELLA_B" >&2; exit 2; }
    while IFS= read -r nome; do
        if [[ ! -f "$a/$nome" ]]; then
            printf '%-40s manca in %s\n' "$nome" "$a"; esito=1; continue
        fi
        if [[ ! -f "$b/$nome" ]]; then
            printf '%-40s manca in %s\n' "$nome" "$b"; esito=1; continue
        fi
        # compare exits 1 when the pictures differ and 2 when they cannot be compared at all
        # (different sizes, for one); its count goes to stderr.
        differenza=$(compare -metric AE "$a/$nome" "$b/$nome" null: 2>&1) || true
        if [[ ! "$differenza" =~ ^[0-9]+$ ]]; then
            printf '%-40s non confrontabili: %s\n' "$nome" "$differenza"; esito=1; continue
        fi
        printf '%-40s %s\n' "$nome" "$differenza"
        [[ "$differenza" == 0 ]] || esito=1
    done < <( (cd "$a" && find . -name '*.png'; cd - >/dev/null; cd "$b" && find . -name '*.png') \
                 | sed 's|^\./||' | sort -u)
    return "$esito"
}

if [[ "${1:-}" == "--confronta" ]]; then
    [[ $# -eq 3 ]] || { echo "uso: $0 --confronta CARTELLA_A CARTELLA_B" >&2; exit 2; }
    confronta "$2" "$3"
    exit $?
fi

# ---- What is needed ----

scripts/dipendenze.sh xdotool faketime libfaketime imagemagick

if [[ $# -ge 1 ]]; then
    programma=$(realpath "$1")
else
    if [[ ! -f build/build.ninja ]]; then
        cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    fi
    cmake --build build --target tandorino >/dev/null
    # The program is built in the app folder; older trees built it at the top.
    programma=$(realpath build/tandorino)
fi
[[ -x "$programma" ]] || { echo "programma non trovato: $programma" >&2; exit 2; }
uscita=$(realpath -m "${2:-schermate}")

# Any fixed instant will do; seconds since midnight seed the generator. Without "@" libfaketime
# stops the clock there.
orologio="2026-01-12 10:17:23"

tmp=$(mktemp -d /tmp/schermate-XXXXXX)
chmod 755 "$tmp" # the CUPS filters run as lp
source scripts/schermo-privato.sh # this run's program, openbox and Xvfb
cups_pid=""
trap 'termina_processi; [[ -z "$cups_pid" ]] || { kill "$cups_pid"; wait "$cups_pid"; } 2>/dev/null; rm -rf "$tmp"' EXIT

# ---- A private print server with one queue ----

cups_server="$tmp/nessun-cups.sock"
avvia_cups() {
    local c="$tmp/cups" ppd="" gruppo=root p
    for p in /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/cups/model/CUPS-PDF_opt.ppd \
             /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd /usr/share/cups/model/CUPS-PDF.ppd; do
        [[ -f "$p" ]] && { ppd="$p"; break; }
    done
    if [[ $(id -u) -ne 0 || -z "$ppd" || ! -x /usr/sbin/cupsd ]]; then
        echo "avviso: niente cupsd privato (serve root e cups-pdf): nessuna stampante" >&2
        return
    fi
    getent group lp >/dev/null && gruppo=lp
    mkdir -p "$c"/{etc/ppd,spool/tmp,cache,run,log}
    cat >"$c/etc/cups-files.conf" <<EOF
ServerRoot $c/etc
RequestRoot $c/spool
TempDir $c/spool/tmp
CacheDir $c/cache
StateDir $c/run
ErrorLog $c/log/error_log
AccessLog $c/log/access_log
PageLog $c/log/page_log
Printcap $c/run/printcap
User lp
Group $gruppo
SystemGroup root
FileDevice No
EOF
    cat >"$c/etc/cupsd.conf" <<EOF
Listen $c/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
DefaultPaperSize A4
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    /usr/sbin/cupsd -f -c "$c/etc/cupsd.conf" -s "$c/etc/cups-files.conf" >"$c/log/cupsd.out" 2>&1 &
    cups_pid=$!
    for _ in $(seq 100); do
        [[ -S "$c/cups.sock" ]] && CUPS_SERVER="$c/cups.sock" lpstat -r >/dev/null 2>&1 && break
        sleep 0.1
    done
    CUPS_SERVER="$c/cups.sock" lpadmin -p Stampante_PDF -E -v cups-pdf:/ -P "$ppd" \
        2> >(grep -v 'drivers are deprecated' >&2)
    CUPS_SERVER="$c/cups.sock" lpadmin -d Stampante_PDF
    cups_server="$c/cups.sock"
}

# ---- Display, pointer, windows ----

avvia_display() { # width height
    avvia_schermo "$1" "$2" "$tmp"
}

aspetta_chiusura() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    echo "finestra non chiusa: $1" >&2
    exit 1
}


# The height of a window's menu bar: the rows, at the window's right edge, above the first one
# in the forms' pink background. Taken from the last capture.
altezza_barra() {
    local riga=0 colore
    geometria "$1"
    while IFS= read -r colore; do
        [[ "$colore" == "255,192,255" ]] && { echo "$riga"; return; }
        riga=$((riga + 1))
    done < <(convert "$tmp/ora.ppm" -crop "1x$((H / 4))+$((X + W - 2))+$Y" +repage \
                 -depth 8 txt:- | sed -n 's/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p')
    echo "barra dei menu non trovata" >&2
    exit 1
}

clicca() { # x y (screen pixels)
    xdotool mousemove "$1" "$2"
    sleep 0.05
    xdotool click 1
    sleep 0.15
}

# A click on a place given in twips of the form's design client, which scales proportionally
# with the client; the client lies under a menu bar of $3 pixels (0 for a form without one).
clicca_modulo() { # window designWidth designHeight menuBar twipsX twipsY
    local x y
    geometria "$1"
    read -r x y < <(awk -v X="$X" -v Y="$Y" -v W="$W" -v H="$H" -v lp="$2" -v ap="$3" \
        -v m="$4" -v tx="$5" -v ty="$6" \
        'BEGIN { printf "%d %d\n", X + W * tx / lp, Y + m + (H - m) * ty / ap }')
    clicca "$x" "$y"
}

# A menu bar entry, by its distance in unscaled pixels from the bar's left edge.
clicca_menu() { # window pixelsX
    geometria "$1"
    clicca "$((X + $2 * fattore))" "$((Y + barra / 2))"
}

tasto() {
    xdotool key "$@"
    sleep 0.15
}

scatta() { # name
    # The pointer rests in the bottom right corner, over no control and no tooltip.
    xdotool mousemove "$((larghezza - 1))" "$((altezza - 1))"
    quieta
    convert "$tmp/ora.ppm" -strip -define png:exclude-chunks=date,time "$cartella/$1.png"
    echo "  $1"
}

# ---- The tour of the program ----

# Design client sizes, in twips.
inizio_l=11910; inizio_a=8280
operativo_l=11910; operativo_a=8580
scheda_vuoto_a=8430; scheda_elementi_a=8280
stampante_l=6060; stampante_a=5460
autore_l=6975; autore_a=3510

esercizio() { # start-screen window, mode button index, name, first capture number
    local inizio="$1" modo="$2" nome="$3" n="$4" op i giro
    local -a centri_y=(3052 4012 4957)
    local -a centri_x=(8910 8925 8925)
    clicca_modulo "$inizio" "$inizio_l" "$inizio_a" "$barra" "${centri_x[modo]}" "${centri_y[modo]}"
    op=$(finestra "^Costruisci l'insieme equipotente")
    quieta
    # AGGIUNGI (+) a few times.
    for i in 1 2 3; do clicca_modulo "$op" "$operativo_l" "$operativo_a" 0 6787 5565; done
    scatta "$(printf %02d "$n")-esercizio-$nome"
    # Ten elements are more than a first set ever holds: every check is wrong. After the
    # third refused help the program steps in.
    for giro in 1 2 3; do
        for i in $(seq 10); do clicca_modulo "$op" "$operativo_l" "$operativo_a" 0 6787 5565; done
        clicca_modulo "$op" "$operativo_l" "$operativo_a" 0 6802 6600 # VERIFICA
        [[ $giro == 1 ]] && scatta "$(printf %02d $((n + 1)))-aiuto-$nome"
        clicca_modulo "$op" "$operativo_l" "$operativo_a" 0 9600 6810 # NO
    done
    scatta "$(printf %02d $((n + 2)))-intervento-$nome"
    clicca_modulo "$op" "$operativo_l" "$operativo_a" 0 8160 7159 # OK
    clicca_modulo "$op" "$operativo_l" "$operativo_a" 0 8152 7665 # ESCI
    aspetta_chiusura "^Costruisci l'insieme equipotente"
}

scheda() { # start-screen window, menu entry (1-3), name, design height, switch x, switch y, number
    local inizio="$1" voce="$2" nome="$3" alta="$4" sx="$5" sy="$6" n="$7" s i
    clicca_menu "$inizio" 40 # Stampa schede
    sleep 0.3
    for ((i = 0; i < voce; i++)); do tasto Down; done
    tasto Return
    s=$(finestra '^VISUALIZZAZIONE SCHEDA')
    quieta
    # The first exercise is drawn at opening; the second one too, so the half is full.
    clicca_modulo "$s" "$inizio_l" "$alta" "$barra" 10732 2730 # VISUALIZZA 2°
    scatta "$(printf %02d "$n")-scheda-$nome-prima"
    clicca_modulo "$s" "$inizio_l" "$alta" "$barra" "$sx" "$sy"
    scatta "$(printf %02d $((n + 1)))-scheda-$nome-seconda"
    if [[ "$nome" == vuoto ]]; then
        clicca_menu "$s" 40 # Seleziona stampante
        local st
        st=$(finestra '^Form1$')
        scatta "$(printf %02d $((n + 2)))-stampante"
        clicca_modulo "$st" "$stampante_l" "$stampante_a" 0 2712 4512 # C H I U D I
        aspetta_chiusura '^Form1$'
    fi
    clicca_modulo "$s" "$inizio_l" "$alta" "$barra" 10732 6982 # ESCI
    aspetta_chiusura '^VISUALIZZAZIONE SCHEDA'
}

# With SCHERMATE_PAGINA set to a file name: the draw worksheet's four exercises are made and the
# page is saved there with "Salva come PDF…", the same drawing that goes to a printer. It comes
# after every picture of the tour, so the pictures stay the same with or without it.
salva_pagina() { # start-screen window, file
    local inizio="$1" file="$2" s d
    clicca_menu "$inizio" 40 # Stampa schede
    sleep 0.3
    tasto Down
    tasto Return
    s=$(finestra '^VISUALIZZAZIONE SCHEDA')
    quieta
    clicca_modulo "$s" "$inizio_l" "$scheda_vuoto_a" "$barra" 10732 2722 # VISUALIZZA 2°
    clicca_modulo "$s" "$inizio_l" "$scheda_vuoto_a" "$barra" 10732 3412 # VISUALIZZA 3°
    clicca_modulo "$s" "$inizio_l" "$scheda_vuoto_a" "$barra" 10732 4117 # VISUALIZZA 4°
    clicca_menu "$s" "$menu_salva"
    d=$(finestra '^Salva la scheda come PDF')
    sleep 0.5
    xdotool type --delay 20 "$file"
    tasto Return
    aspetta_chiusura '^Salva la scheda come PDF'
    for _ in $(seq 50); do [[ -s "$file" ]] && break; sleep 0.1; done
    [[ -s "$file" ]] || { echo "pagina non salvata: $file" >&2; exit 1; }
    clicca_modulo "$s" "$inizio_l" "$scheda_vuoto_a" "$barra" 10732 6982 # ESCI
    aspetta_chiusura '^VISUALIZZAZIONE SCHEDA'
    echo "  $(basename "$file")"
}

giro() { # folder name, screen width, height, scale factor
    cartella="$uscita/$1"
    larghezza="$2"; altezza="$3"; fattore="$4"
    mkdir -p "$cartella"
    rm -f "$cartella"/*.png
    echo "$1: schermo ${larghezza}x${altezza}, fattore $fattore"
    avvia_display "$larghezza" "$altezza"
    xdotool mousemove "$((larghezza - 1))" "$((altezza - 1))"

    local casa="$tmp/casa-$1"
    mkdir -p "$casa/runtime" && chmod 700 "$casa/runtime"
    local -a ambiente=(env -i PATH="$PATH" HOME="$casa" XDG_RUNTIME_DIR="$casa/runtime"
        XDG_CONFIG_HOME="$casa/config" XDG_CACHE_HOME="$casa/cache" DISPLAY="$DISPLAY"
        LANG=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb CUPS_SERVER="$cups_server"
        FAKETIME_DONT_FAKE_MONOTONIC=1)
    [[ "$fattore" == 1 ]] || ambiente+=(QT_SCALE_FACTOR="$fattore")
    "${ambiente[@]}" faketime -m -f "$orologio" "$programma" >"$tmp/programma-$1.log" 2>&1 &
    local pid=$!
    processi+=("$pid")

    local inizio
    inizio=$(finestra '^BRISUOLA$')
    quieta
    barra=$(altezza_barra "$inizio")
    scatta 01-inizio

    esercizio "$inizio" 0 vuoto 2
    esercizio "$inizio" 1 meno-potente 5
    esercizio "$inizio" 2 piu-potente 8
    # The switch of the first kind is a graphical button; of the others, a plain one.
    scheda "$inizio" 1 vuoto "$scheda_vuoto_a" 2497 7695 11
    scheda "$inizio" 2 aggiungi "$scheda_elementi_a" 1860 7605 14
    scheda "$inizio" 3 togli "$scheda_elementi_a" 1860 7605 16

    # About: the entry to the right of "Stampa schede".
    clicca_menu "$inizio" "$menu_about"
    local autore
    autore=$(finestra '^Autore$')
    scatta 18-autore
    clicca_modulo "$autore" "$autore_l" "$autore_a" 0 3195 3112 # C h i u d i
    aspetta_chiusura '^Autore$'

    if [[ -n "${SCHERMATE_PAGINA:-}" && "$fattore" == 1 ]]; then
        salva_pagina "$inizio" "$(realpath -m "$SCHERMATE_PAGINA")"
    fi

    # E S C I ends the program.
    clicca_modulo "$inizio" "$inizio_l" "$inizio_a" "$barra" 8917 5902
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        echo "avviso: il programma non si è chiuso con E S C I" >&2
    fi
    termina_processi
}

avvia_cups
menu_about=135
menu_salva=200
giro 1x 1920 1080 1
giro 2x 2560 2048 2
echo "Schermate in $uscita"
