#!/usr/bin/env bash
# The README's pictures in docs/schermate/, from the same tour as scripts/schermate.sh:
#
#   scripts/schermate-readme.sh [PROGRAM]    default: the program in build/ (built first)
#
# inizio.png, esercizio.png and scheda.png are the 1x pictures of the start screen, the first
# exercise and the draw worksheet (1920x1080 screen); pagina.png is the draw worksheet's page as
# "Salva come PDF…" writes it (the drawing that also goes to the printer), rasterised by
# pdftoppm. Every PNG is optimised losslessly with optipng.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/dipendenze.sh optipng poppler-utils

tmp=$(mktemp -d /tmp/schermate-readme-XXXXXX)
chmod 755 "$tmp"
trap 'rm -rf "$tmp"' EXIT

SCHERMATE_PAGINA="$tmp/pagina.pdf" scripts/schermate.sh ${1:+"$1"} "$tmp/giro"

cartella=docs/schermate
mkdir -p "$cartella"
cp "$tmp/giro/1x/01-inizio.png" "$cartella/inizio.png"
cp "$tmp/giro/1x/02-esercizio-vuoto.png" "$cartella/esercizio.png"
cp "$tmp/giro/1x/11-scheda-vuoto-prima.png" "$cartella/scheda.png"
# 75 DPI: an A4 page about 620 pixels wide, as it would look on paper held at arm's length.
pdftoppm -r 75 -png -singlefile "$tmp/pagina.pdf" "$cartella/pagina"
optipng -quiet -o5 -strip all "$cartella"/*.png
ls -l "$cartella"
