#!/usr/bin/env bash
# Builds the binary packages twice from the source package in FOLDER (made by
# tools/package.sh when it is not there) with reprotest's default variations: build path,
# time, umask, locale, time zone, environment, number of processors, kernel's name, home,
# and the others this machine allows. diffoscope reports any difference. Then holds the
# packages to FOLDER's, which were built with the tests, and to check_debs.sh's modes.
#
#   tools/check-reproducible.sh [FOLDER]    build/debian unless given
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(realpath -m "${1:-build/debian}")
ls "$folder"/chronavell_*.dsc >/dev/null 2>&1 || tools/package.sh "$folder"
dsc=$(ls "$folder"/chronavell_*.dsc)
store="$folder-reprotest"
rm -rf "$store"
DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" reprotest --store-dir "$store" "$dsc" -- null
# reprotest keeps the control build's packages only, the experiment's having been the same.
control=$(dirname "$(find "$store/control" -name 'chronavell_*.deb' | head -n 1)")
tests/install/check_debs.sh "$folder" "$control"
