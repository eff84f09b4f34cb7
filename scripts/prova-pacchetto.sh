#!/usr/bin/env bash
# The Debian package as a newcomer gets it: built with scripts/pacchetto.sh, installed with apt
# into a fresh minimal Debian 12 (debootstrap --variant=minbase bookworm), and the installed
# program started on a private display, where it must
#   - start (its start screen appears),
#   - speak with the voice on ("--voce"): speech-dispatcher's ALSA output goes into a file,
#     which must fill with sound when a worksheet's title is read,
#   - show Qt's save dialog, and its question before replacing a file, in Italian.
#
#   scripts/prova-pacchetto.sh [OUTDIR]      default: build-pacchetto/prova-pacchetto/
#
# Needs root (debootstrap, chroot, mounts; run through sudo otherwise) and the Debian package
# registry. Not part of the test command: it takes minutes and the network. OUTDIR gets the
# pictures (start screen, save dialog, its question) and the program's log.
# With TANDORINO_BOOKWORM set to a folder already made by debootstrap --variant=minbase
# bookworm, a copy of it is used instead of a new download; the folder itself is never changed.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ $(id -u) -ne 0 ]]; then
    exec sudo --preserve-env=TANDORINO_BOOKWORM "$0" "$@"
fi

uscita=$(realpath -m "${1:-build-pacchetto/prova-pacchetto}")
mkdir -p "$uscita"
rm -f "$uscita"/*.png "$uscita"/*.log

scripts/dipendenze.sh debootstrap xdotool x11-utils imagemagick tesseract-ocr tesseract-ocr-ita

echo "== Il pacchetto"
scripts/pacchetto.sh >"$uscita/pacchetto.log" 2>&1 || { cat "$uscita/pacchetto.log"; exit 1; }
pacchetto=$(ls build-pacchetto/tandorino_*.deb)
dpkg-deb -f "$pacchetto" Depends Recommends

tmp=$(mktemp -d /tmp/prova-pacchetto.XXXXXX)
radice="$tmp/radice"
montati=()
source scripts/schermo-privato.sh
termina() {
    termina_processi
    # The speech service the program started inside the root lives on after it.
    if [[ -d "$radice/proc" ]]; then
        for p in /proc/[0-9]*; do
            [[ "$(readlink "$p/root" 2>/dev/null)" == "$radice" ]] && kill "${p#/proc/}" 2>/dev/null || true
        done
    fi
    for ((i = ${#montati[@]} - 1; i >= 0; i--)); do umount -l "${montati[i]}" 2>/dev/null || true; done
    montati=()
    rm -rf "$tmp"
}
trap termina EXIT

echo "== Debian 12 minimo"
if [[ -n "${TANDORINO_BOOKWORM:-}" ]]; then
    cp -a "$TANDORINO_BOOKWORM" "$radice"
else
    debootstrap --variant=minbase bookworm "$radice" http://deb.debian.org/debian >"$uscita/debootstrap.log" 2>&1 ||
        { tail -20 "$uscita/debootstrap.log"; exit 1; }
fi
prima=$(chroot "$radice" dpkg-query -W -f='${Package}\n' | wc -l)

monta() { # source, place inside the root
    mkdir -p "$radice$2"
    mount --bind "$1" "$radice$2"
    montati+=("$radice$2")
}
monta /proc /proc
monta /sys /sys
monta /dev /dev
monta /dev/pts /dev/pts
cp /etc/resolv.conf "$radice/etc/resolv.conf"
# No service starts inside the root while packages are installed.
printf '#!/bin/sh\nexit 101\n' >"$radice/usr/sbin/policy-rc.d"
chmod 755 "$radice/usr/sbin/policy-rc.d"

echo "== apt-get install ./$(basename "$pacchetto")"
cp "$pacchetto" "$radice/tmp/"
chroot "$radice" apt-get update -qq
chroot "$radice" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q "/tmp/$(basename "$pacchetto")" >"$uscita/apt.log" 2>&1 ||
    { tail -30 "$uscita/apt.log"; exit 1; }
dopo=$(chroot "$radice" dpkg-query -W -f='${Package}\n' | wc -l)
echo "pacchetti aggiunti: $((dopo - prima))"
for p in tandorino qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng qt6-translations-l10n; do
    chroot "$radice" dpkg-query -W -f='  ${Package} ${Version} ${Status}\n' "$p"
done

# The test's sound card: speech-dispatcher speaks through ALSA, whose default device writes
# every sample into a file instead of a loudspeaker (a new voce.raw.NNNN each time it opens).
sed -i 's/^# *AudioOutputMethod .*/AudioOutputMethod "alsa"/' "$radice/etc/speech-dispatcher/speechd.conf"
cat >"$radice/etc/asound.conf" <<'ALSA'
pcm.!default {
    type file
    slave.pcm "null"
    file "/tmp/voce.raw"
    format "raw"
    truncate false
}
ALSA
chroot "$radice" useradd -m maestra
mkdir -m 700 "$radice/tmp/maestra"
chroot "$radice" chown maestra:maestra /tmp/maestra
: >"$radice/tmp/voce.raw"
chmod 666 "$radice/tmp/voce.raw"

echo "== Il programma installato, su uno schermo privato"
avvia_schermo 1366 768 "$tmp"
monta /tmp/.X11-unix /tmp/.X11-unix
chroot --userspec=maestra:maestra "$radice" env -i HOME=/home/maestra USER=maestra \
    PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY" XDG_RUNTIME_DIR=/tmp/maestra \
    tandorino --voce >"$uscita/programma.log" 2>&1 &
processi+=($!)

fallito=0
esito() { # what, ok (0/1), detail
    if [[ "$2" == 0 ]]; then echo "OK   $1: $3"; else echo "NO   $1: $3"; fallito=1; fi
}
clicca() { xdotool mousemove "$1" "$2"; sleep 0.1; xdotool click 1; sleep 0.3; }
scatta() { sleep 1; import -window root "$uscita/$1.png"; }
# The words tesseract reads in a picture, on one line.
leggi() {
    convert "$1" -resize 200% "$tmp/ocr.png"
    tesseract "$tmp/ocr.png" - -l ita 2>/dev/null | tr -s '\n' ' '
}

inizio=$(finestra '^BRISUOLA$') || true
[[ -n "$inizio" ]] && esito "avvio" 0 "la schermata iniziale è comparsa" ||
    { esito "avvio" 1 "nessuna finestra"; cat "$uscita/programma.log"; exit 1; }
sleep 3 # the curtain opens
scatta 01-inizio

# A worksheet's title is read aloud when it opens: "Stampa schede", "insieme vuoto".
geometria "$inizio"
clicca $((X + 40)) $((Y + 10))
xdotool key Down Return
scheda=$(finestra '^VISUALIZZAZIONE SCHEDA') || true
[[ -n "$scheda" ]] || { esito "scheda" 1 "la scheda non si è aperta"; exit 1; }
campioni=0
for _ in $(seq 300); do
    # Samples that are not silence, 16 bits each.
    campioni=$(cat "$radice"/tmp/voce.raw* | od -An -v -td2 -w2 | awk '$1 > 64 || $1 < -64 { n++ } END { print n + 0 }')
    ((campioni > 10000)) && break
    sleep 0.1
done
byte=$(cat "$radice"/tmp/voce.raw* | wc -c)
((campioni > 10000)) && esito "voce" 0 "$byte byte di suono, $campioni campioni non silenziosi" ||
    esito "voce" 1 "suono: $byte byte, $campioni campioni non silenziosi"
sleep 2 # the worksheet has taken its place
scatta 02-scheda

# The page is whole once its four exercises are made: VISUALIZZA 2°, 3°, 4° (their places in
# twips of the worksheet's 11910 x 8430 design, under a menu bar of about 20 pixels).
geometria "$scheda"
for ty in 2722 3412 4117; do
    clicca $((X + W * 10732 / 11910)) $((Y + 20 + (H - 20) * ty / 8430))
done
# "Salva come PDF…", onto a file that is already there.
chroot "$radice" su maestra -c 'touch /home/maestra/esistente.pdf'
geometria "$scheda"
clicca $((X + 200)) $((Y + 10))
dialogo=$(finestra '^Salva la scheda come PDF') || true
[[ -n "$dialogo" ]] || { esito "dialogo" 1 "il dialogo di salvataggio non si è aperto"; exit 1; }
scatta 03-salva
testo=$(leggi "$uscita/03-salva.png")
# Qt's labels in Italian and none of the English ones (tesseract may misread a word or two).
if grep -q "Nome del file" <<<"$testo" && grep -q "File di tipo" <<<"$testo" &&
    ! grep -qE "File name|Files of type|Look in|Cancel" <<<"$testo"; then
    esito "dialogo in italiano" 0 "$(grep -o 'Nome del file\|File di tipo\|Cerca in\|Salva\|Annulla' <<<"$testo" | sort -u | tr '\n' ' ')"
else
    esito "dialogo in italiano" 1 "letto: $testo"
fi
xdotool type --delay 20 "/home/maestra/esistente.pdf"
xdotool key Return
sleep 1
scatta 04-sostituire
# The question alone, in its own box: the active window.
import -window "$(xdotool getactivewindow)" "$tmp/domanda.png"
testo=$(leggi "$tmp/domanda.png")
if grep -q "esiste già" <<<"$testo"; then
    esito "domanda in italiano" 0 "$(grep -o '[^ ]* esiste già[^?]*?' <<<"$testo" | head -1)"
else
    esito "domanda in italiano" 1 "letto: $testo"
fi
xdotool key Escape
sleep 0.5
xdotool key Escape

grep -v '^$' "$uscita/programma.log" | sed 's/^/programma: /' | head -20 || true
echo "Immagini e registri in $uscita"
exit "$fallito"
