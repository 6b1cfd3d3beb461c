#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/configure.sh
cmake --build build --target chronavell
exec build/app/chronavell
