#!/usr/bin/env bash
# Builds the binary packages again from the source package in FOLDER (made by
# tools/package.sh), once under umask 000 and once under umask 077, and checks that both
# give the bytes of FOLDER's packages, which hold root's folders and files with the modes
# Debian wants (tests/install/check_debs.sh): the builder's umask has no say in a package.
# The builds skip the tests, which FOLDER's build ran.
#
#   tools/check-umask.sh [FOLDER]     build/debian unless given; the builds go beside it
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(realpath "${1:-build/debian}")
dsc=$(ls "$folder"/chronavell_*.dsc)
others=()
for mask in 000 077; do
    out="$folder-umask-$mask"
    rm -rf "$out"
    mkdir -p "$out"
    echo "building under umask $mask in $out"
    if ! (umask "$mask" && cd "$out" && dpkg-source -x "$dsc" source && cd source \
        && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc -b) \
        >"$out/build.log" 2>&1; then
        tail -n 40 "$out/build.log"
        exit 1
    fi
    rm -rf "$out/source"
    others+=("$out")
done
tests/install/check_debs.sh "$folder" "${others[@]}"
