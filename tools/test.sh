#!/usr/bin/env bash
# Builds everything and runs every test; exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/configure.sh
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"
