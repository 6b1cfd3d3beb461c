#!/usr/bin/env bash
# Regenerates every picture in assets/ from the drawing code in
# tools/assetgen. Prints nothing unless something goes wrong.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/assetgen"
log="$(mktemp)"
runtime="$(mktemp -d)"
trap 'rm -rf "$log" "$runtime"' EXIT

fail() {
    echo "make-assets: $1 failed:" >&2
    cat "$log" >&2
    exit 1
}

cmake -S "$root/tools/assetgen" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    >"$log" 2>&1 || fail "configure"
# Only the generator: its tests build and run with ctest in the same folder.
cmake --build "$build" --target chronavell-assetgen >"$log" 2>&1 || fail "build"

# No display is needed: text is drawn through the offscreen platform, which
# still wants a private runtime folder.
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" \
    "$build/chronavell-assetgen" "$root/assets" >"$log" 2>&1 || fail "asset generation"
