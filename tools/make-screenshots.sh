#!/usr/bin/env bash
# Writes the README's pictures, docs/page-1.png to docs/page-5.png: every page of the real
# window, drawn by the project's grab tool (tools/grab) on a fixed day with a fixed saying,
# so that the pictures change only when the window does.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/configure.sh
cmake --build build --target chronavell_grab_pages >/dev/null
grabbed=$(mktemp -d)
trap 'rm -rf "$grabbed"' EXIT
# Qt keeps its runtime files there, and complains on standard error when there is none.
mkdir -m 700 "$grabbed/runtime"
XDG_RUNTIME_DIR="$grabbed/runtime" build/tools/grab/chronavell_grab_pages "$grabbed"
mkdir -p docs
rm -f docs/page-*.png
cp "$grabbed"/page-[0-9].png docs/
ls docs/page-*.png
