#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, the project's format and naming
# rules (tools/lint.sh), the same suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer (leaks included), and a short run of every fuzz target. Exits
# non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/configure.sh

cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"
tools/lint.sh build

# The sanitizers slow everything down, so the day-long soak and the install checks (which
# test packaging, not memory) run in the normal build only.
if [ ! -f build/sanitize/CMakeCache.txt ]; then
    cmake --preset sanitize >/dev/null
fi
cmake --build --preset sanitize
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
UBSAN_OPTIONS=print_stacktrace=1 \
LSAN_OPTIONS=suppressions="$PWD/tests/sanitizers/lsan.supp" \
    ctest --test-dir build/sanitize --output-on-failure -j "$(nproc)" -E '^(install\.|Soak\.)'

tools/fuzz.sh 30
