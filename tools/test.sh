#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, the project's format and naming
# rules (tools/lint.sh), the same suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer (leaks included), a short run of every fuzz target, and the
# Debian packages built and tested. Exits non-zero when anything fails.
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

# The Debian packages, as Debian builds them (with the build-time tests and lintian), built
# again under umask 000 and 077 to the same bytes and modes, and tested where they are
# installed. autopkgtest's null runner installs them onto this machine.
(umask 022 && tools/package.sh build/debian)
tools/check-umask.sh build/debian
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" autopkgtest build/debian/chronavell_*.changes -- null
