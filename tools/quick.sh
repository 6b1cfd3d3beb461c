#!/usr/bin/env bash
# The edit-build-test loop: builds what changed, runs the suite of the normal build (some
# seconds) and lints the units whose source or headers changed since they were last found
# clean. The whole check, sanitizers, fuzzing and packages included, is tools/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/configure.sh
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"
tools/lint.sh build
