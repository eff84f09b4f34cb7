#!/usr/bin/env bash
# Installs the Debian packages Tandorino needs to build, run and test, when they are missing.
set -euo pipefail

pacchetti=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
    libgtest-dev libcups2-dev
    fonts-liberation
    cups cups-client cups-bsd printer-driver-cups-pdf
    poppler-utils xvfb openbox xauth x11-utils imagemagick
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
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${mancanti[@]}" >/dev/null
