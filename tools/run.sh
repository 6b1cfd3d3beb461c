#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/configure.sh
cmake --build build --target chronavell_core
echo "Chronavell: the calendar core is built; the program's window comes with the next step."
