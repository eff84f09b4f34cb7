#!/usr/bin/env bash
# Taps on the real program with fingers, end to end: Tandorino runs with Qt's TUIO input plugin
# (-plugin TuioTouch) on a private Xvfb with openbox, and this script plays a touch display,
# sending TUIO cursor frames (OSC bundles over UDP) to it. A palm rests on the exercise form the
# whole time; a tap on "da: INSIEME VUOTO" opens the exercise, then a tap on "AGGIUNGI (+)" and a
# tap whose finger slides inside it must add exactly one element each. The second set's slots
# are read back from screen captures.
#
#   scripts/tocco-tuio.sh [PROGRAM]     default: build/tandorino (built first)
#
# Runs at scale 1 without board mode: the TUIO plugin places its points by the window's logical
# size but hands them on as device pixels, so under any scale factor they land off target.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/dipendenze.sh xdotool imagemagick python3 x11-utils

if [[ $# -ge 1 ]]; then
    programma=$(realpath "$1")
else
    [[ -f build/build.ninja ]] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build build --target tandorino >/dev/null
    programma=$(realpath build/tandorino)
fi

tmp=$(mktemp -d /tmp/tocco-tuio-XXXXXX)
source scripts/schermo-privato.sh
trap 'termina_processi; rm -rf "$tmp"' EXIT

avvia_schermo 1920 1080 "$tmp"
# The pointer rests in a corner, so no click can come from it.
xdotool mousemove 1919 1079

# A free UDP port for the plugin, so that two runs never meet.
porta=$(python3 -c 'import socket; s=socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
mkdir -p "$tmp/runtime" && chmod 700 "$tmp/runtime"
env -i PATH="$PATH" HOME="$tmp" XDG_RUNTIME_DIR="$tmp/runtime" DISPLAY="$DISPLAY" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=xcb CUPS_SERVER="$tmp/nessun-cups.sock" \
    "$programma" -plugin "TuioTouch:udp=$porta" >"$tmp/programma.log" 2>&1 &
processi+=($!)

# One TUIO frame: the cursors on the display now, each as ID:X:Y with X and Y as fractions of
# the focused window (the plugin maps them onto it); a cursor left out has been lifted.
fotogramma() {
    python3 - "$porta" "$@" <<'PY'
import socket, struct, sys

def stringa(s):
    b = s.encode() + b"\0"
    return b + b"\0" * (-len(b) % 4)

def messaggio(*argomenti):
    tipi, dati = ",", b""
    for a in argomenti:
        if isinstance(a, str):
            tipi += "s"; dati += stringa(a)
        elif isinstance(a, int):
            tipi += "i"; dati += struct.pack(">i", a)
        else:
            tipi += "f"; dati += struct.pack(">f", a)
    corpo = stringa("/tuio/2Dcur") + stringa(tipi) + dati
    return struct.pack(">i", len(corpo)) + corpo

porta = int(sys.argv[1])
cursori = [(int(i), float(x), float(y)) for i, x, y in (c.split(":") for c in sys.argv[2:])]
pacchetto = stringa("#bundle") + struct.pack(">II", 0, 1)
pacchetto += messaggio("alive", *[c[0] for c in cursori])
for i, x, y in cursori:
    pacchetto += messaggio("set", i, x, y, 0.0, 0.0, 0.0)
pacchetto += messaggio("fseq", 1)
socket.socket(socket.AF_INET, socket.SOCK_DGRAM).sendto(pacchetto, ("127.0.0.1", porta))
PY
    sleep 0.15
}


# How many pixels of a slot of the second set differ between two captures: the slot's picture
# corner, 30 x 30 pixels, at its design place in twips scaled with the exercise form.
differenza_casella() { # before after slotLeftTwips slotTopTwips
    local x y
    read -r x y < <(awk -v X="$X" -v Y="$Y" -v W="$W" -v H="$H" -v sx="$3" -v sy="$4" \
        'BEGIN { printf "%d %d\n", X + W * (6075 + sx) / 11910 + 4, Y + H * (1020 + sy) / 8580 + 4 }')
    compare -metric AE "$1[30x30+$x+$y]" "$2[30x30+$x+$y]" null: 2>&1 || true
}

inizio=$(finestra '^BRISUOLA$')
quieta
geometria "$inizio"
# The menu bar: the rows at the window's right edge above the first one in the form's pink.
barra=0
while IFS= read -r colore; do
    [[ "$colore" == "255,192,255" ]] && break
    barra=$((barra + 1))
done < <(convert "$tmp/ora.ppm" -crop "1x$((H / 4))+$((X + W - 2))+$Y" +repage -depth 8 txt:- |
         sed -n 's/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p')
# "da: INSIEME VUOTO ( O )": the centre of its design place, under the menu bar.
yv=$(awk -v H="$H" -v b="$barra" 'BEGIN { printf "%.4f", (b + (H - b) * 3052 / 8280) / H }')
fotogramma "1:0.748:$yv"
fotogramma
op=$(finestra "^Costruisci l'insieme equipotente")
quieta
geometria "$op"
cp "$tmp/ora.ppm" "$tmp/prima.ppm"

# A palm rests beside the keypad, on the form's bare background, from here to the end.
palmo="9:0.975:0.97"
fotogramma "$palmo"
# AGGIUNGI (+): design centre 6787, 5565 of 11910 x 8580 twips; a tap beside the palm.
fotogramma "$palmo" "2:0.5699:0.6486"
fotogramma "$palmo"
quieta
cp "$tmp/ora.ppm" "$tmp/uno.ppm"
# A tap that slides inside the button before it lifts.
fotogramma "$palmo" "3:0.5100:0.6300"
fotogramma "$palmo" "3:0.5400:0.6400"
fotogramma "$palmo" "3:0.6000:0.6600"
fotogramma "$palmo"
fotogramma
quieta
cp "$tmp/ora.ppm" "$tmp/due.ppm"

# Slots 1, 2 and 3 of the second set (design places inside its frame).
d1=$(differenza_casella "$tmp/prima.ppm" "$tmp/uno.ppm" 240 255)
d2=$(differenza_casella "$tmp/prima.ppm" "$tmp/uno.ppm" 1080 255)
e2=$(differenza_casella "$tmp/prima.ppm" "$tmp/due.ppm" 1080 255)
e3=$(differenza_casella "$tmp/prima.ppm" "$tmp/due.ppm" 1920 255)
echo "tocco accanto al palmo: casella 1 cambiata di $d1 pixel, casella 2 di $d2"
echo "tocco che scivola:      casella 2 cambiata di $e2 pixel, casella 3 di $e3"
esito=0
[[ "$d1" -gt 100 && "$d2" -eq 0 ]] || { echo "ERRORE: il primo tocco non ha aggiunto esattamente un elemento" >&2; esito=1; }
[[ "$e2" -gt 100 && "$e3" -eq 0 ]] || { echo "ERRORE: il tocco che scivola non ha aggiunto esattamente un elemento" >&2; esito=1; }
if [[ -n "${TOCCO_SCHERMATE:-}" ]]; then
    mkdir -p "$TOCCO_SCHERMATE"
    for f in prima uno due; do convert "$tmp/$f.ppm" "$TOCCO_SCHERMATE/$f.png"; done
fi
[[ $esito == 0 ]] && echo "ok: ogni tocco ha aggiunto un elemento, il palmo appoggiato nessuno"
exit $esito
