#!/usr/bin/env bash
# Grabs every page and the dialog (tools/grab) and compares them pixel for pixel with the
# pictures in a reference folder; with --save, writes the reference folder instead.
#
#   tools/compare-pages.sh --save REFERENCE     before a change
#   tools/compare-pages.sh REFERENCE            after it: lists every picture that differs
set -euo pipefail
cd "$(dirname "$0")/.."
save=false
if [ "${1:-}" = --save ]; then
    save=true
    shift
fi
reference=${1:?usage: tools/compare-pages.sh [--save] REFERENCE}
tools/configure.sh
tools/install-deps.sh imagemagick
cmake --build build --target chronavell_grab_pages >/dev/null
if $save; then
    mkdir -p "$reference"
    build/tools/grab/chronavell_grab_pages "$reference"
    echo "saved to $reference"
    exit 0
fi
now=$(mktemp -d)
trap 'rm -rf "$now"' EXIT
build/tools/grab/chronavell_grab_pages "$now"
status=0
for picture in "$reference"/*.png; do
    name=$(basename "$picture")
    differing=$(compare -metric AE "$picture" "$now/$name" null: 2>&1 || true)
    if [ "$differing" != 0 ]; then
        echo "$name: $differing pixels differ"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "every picture is the same"
exit "$status"
