#!/usr/bin/env bash
# Regenerates every picture in assets/ from the drawing code in
# tools/assetgen. Prints nothing unless something goes wrong.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"
log="$(mktemp)"
runtime="$(mktemp -d)"
trap 'rm -rf "$log" "$runtime"' EXIT

fail() {
    echo "make-assets: $1 failed:" >&2
    cat "$log" >&2
    exit 1
}

# The generator draws text only in faces from these two packages, and stops
# if one is missing rather than fall back on another face.
"$root/tools/install-deps.sh" fonts-dejavu-core fonts-urw-base35 >"$log" 2>&1 || fail "font install"
"$root/tools/configure.sh" >"$log" 2>&1 || fail "configure"
# Only the generator: its tests run with the rest (tools/test.sh).
cmake --build "$build" --target chronavell-assetgen >"$log" 2>&1 || fail "build"

# No display is needed: the generator draws through the offscreen platform,
# which still wants a private runtime folder.
XDG_RUNTIME_DIR="$runtime" \
    "$build/tools/assetgen/chronavell-assetgen" "$root/assets" >"$log" 2>&1 || fail "asset generation"
