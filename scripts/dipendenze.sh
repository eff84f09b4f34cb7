#!/usr/bin/env bash
# Installs the Debian packages Tandorino needs to build, run and test, when they are missing.
# Extra package names as arguments are installed too: the scripts with needs of their own
# (screenshots, the package) pass theirs here.
set -euo pipefail

# Each for a reason: the build (compilers, Qt with its tools and the SVG module for the
# pictures, the OpenGL headers Qt's CMake files ask for, GoogleTest, the CUPS headers); the
# program (the xcb platform plugin, metric-compatible Arial, Qt's own Italian texts); the printing tests (a private
# cupsd with lpadmin and friends, the cups-pdf backend, poppler's pdfinfo, pdftotext,
# pdftoppm and pdfimages to read the pages back, ippeveprinter and ipptool as a driverless
# network printer with a message bus of its own); the start-up benchmark (Xvfb, openbox); the
# accessibility tests (Qt's private GUI headers, to switch on the events a screen reader gets); the
# install test (the validators of the menu entry and of the AppStream file); reading aloud (Qt's
# speech library and its speech-dispatcher plugin, speech-dispatcher with espeak-ng's Italian
# voice as the offline engine; Qt's speech CMake files also ask for the QML development files).
pacchetti=(
    cmake ninja-build g++
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
    libgtest-dev libcups2-dev qt6-base-private-dev
    fonts-liberation qt6-translations-l10n
    cups cups-client cups-ipp-utils dbus-daemon printer-driver-cups-pdf
    poppler-utils xvfb openbox
    desktop-file-utils appstream
    qt6-speech-dev libqt6texttospeech6 qt6-speech-speechd-plugin qt6-declarative-dev
    speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
    "$@"
)

mancanti=()
for p in "${pacchetti[@]}"; do
    stato=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$stato" == "install ok installed" ]] || mancanti+=("$p")
done
[[ ${#mancanti[@]} -eq 0 ]] && exit 0

echo "Installo: ${mancanti[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
$sudo apt-get update -qq
# Through env, so that the variable survives sudo (which drops the caller's environment).
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${mancanti[@]}" >/dev/null
