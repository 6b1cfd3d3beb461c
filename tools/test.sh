#!/usr/bin/env bash
# Builds everything and runs every test: the normal build and its suite, the project's format
# and naming rules over every unit (tools/lint.sh --all), the same suite built with
# AddressSanitizer and UndefinedBehaviorSanitizer (leaks included), a short run of every fuzz
# target, and the Debian packages built, built again under other umasks, and tested
# installed. Each stage prints its name and how long it took. Exits non-zero when anything
# fails.
#
# The installed-package tests (autopkgtest's null runner) install the packages onto the
# machine they run on, so they run only where CI=true, on a machine that is thrown away;
# elsewhere the command says that it skipped them and how to run them.
set -euo pipefail
cd "$(dirname "$0")/.."

timings=()
stage_name=""
stage_start=0
began=$SECONDS
finish_stage() {
    if [ -n "$stage_name" ]; then
        local took=$((SECONDS - stage_start))
        timings+=("$(printf '%5d s  %s' "$took" "$stage_name")")
        echo "=== $stage_name: ${took} s"
    fi
}
stage() {
    finish_stage
    stage_name=$1
    stage_start=$SECONDS
    echo "=== $stage_name"
}
summary() {
    local status=$?
    if [ "$status" -ne 0 ] && [ -n "$stage_name" ]; then
        echo "=== $stage_name: FAILED after $((SECONDS - stage_start)) s"
    else
        finish_stage
    fi
    echo "=== stages:"
    printf '%s\n' "${timings[@]}"
    echo "=== all: $((SECONDS - began)) s"
}
trap summary EXIT

stage "dependencies and configuration"
tools/configure.sh

stage "build"
cmake --build build

stage "suite"
ctest --test-dir build --output-on-failure -j "$(nproc)"

stage "lint (every unit)"
tools/lint.sh --all build

# The sanitizers slow everything down, so the day-long soak and the install checks (which
# test packaging, not memory) run in the normal build only.
stage "sanitizer build"
if [ ! -f build/sanitize/CMakeCache.txt ]; then
    cmake --preset sanitize >/dev/null
fi
cmake --build --preset sanitize

stage "sanitizer suite"
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
UBSAN_OPTIONS=print_stacktrace=1 \
LSAN_OPTIONS=suppressions="$PWD/tests/sanitizers/lsan.supp" \
    ctest --test-dir build/sanitize --output-on-failure -j "$(nproc)" -E '^(install\.|Soak\.)'

stage "fuzz targets, 30 s each"
tools/fuzz.sh 30

# The Debian packages, as Debian builds them (with the build-time tests and lintian), then
# built again under umask 000 and 077 to the same bytes and modes.
stage "Debian packages"
(umask 022 && tools/package.sh build/debian)

stage "Debian packages under umask 000 and 077"
tools/check-umask.sh build/debian

stage "installed packages (autopkgtest)"
if [ "${CI:-}" = true ]; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" autopkgtest build/debian/chronavell_*.changes -- null
else
    echo "skipped: autopkgtest installs chronavell and chronavell-date onto this machine; on a" \
        "machine you can spare: sudo autopkgtest build/debian/chronavell_*.changes -- null"
fi
