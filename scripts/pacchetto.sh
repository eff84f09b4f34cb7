#!/usr/bin/env bash
# The Debian package, built from a Release build and checked with lintian:
#
#   scripts/pacchetto.sh [BUILD_DIR]    default: build-pacchetto/
#
# Leaves BUILD_DIR/tandorino_<version>_<arch>.deb. Install it with
# `apt-get install ./tandorino_*.deb`, which fetches what it depends on.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/dipendenze.sh lintian

cartella=$(realpath -m "${1:-build-pacchetto}")
# Debian's own compiler and linker flags (hardening: fortified functions, stack protector,
# read-only relocations, immediate binding), as a Debian build would use.
export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B "$cartella" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$cartella" -j2
(cd "$cartella" && rm -f tandorino_*.deb && cpack -G DEB)
pacchetto=$(ls "$cartella"/tandorino_*.deb)
# Errors fail; warnings and notes are shown.
lintian --fail-on error --info "$pacchetto"
ls -l "$pacchetto"
