#!/usr/bin/env bash
# Builds the libFuzzer targets (tests/fuzz, the fuzz preset) with clang into build/fuzz and runs each one for
# a while, starting from its committed seed corpus. Exits non-zero when any target finds
# something; the input that did it is kept under build/fuzz/artifacts/<target>/.
#
#   tools/fuzz.sh            30 seconds per target
#   tools/fuzz.sh 3600       an hour per target
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: tools/fuzz.sh [seconds-per-target]" >&2
    exit 2
fi

# The fuzzer adds every input that reaches new code to the corpus it runs on: it runs on a
# scratch copy, so the committed seeds stay the small hand-picked set.
scratch="$(mktemp -d "${TMPDIR:-/tmp}/chronavell-fuzz.XXXXXX")"
# The sayings target rewrites its file for every input: a memory-backed directory keeps that
# cheap, and being the script's own, it goes away even when a finding aborts the target
# before it could clean up.
target_tmp="$(mktemp -d /dev/shm/chronavell-fuzz.XXXXXX 2>/dev/null || mktemp -d "$scratch/tmp.XXXXXX")"
trap 'rm -rf "$scratch" "$target_tmp"' EXIT

build=build/fuzz
if ! { { [ -f "$build/CMakeCache.txt" ] || cmake --preset fuzz; } &&
    cmake --build --preset fuzz; } >"$scratch/build.log" 2>&1; then
    cat "$scratch/build.log" >&2
    echo "fuzz build failed" >&2
    exit 2
fi

# Each target with the longest input worth trying: a few dozen bytes cover every number
# and date text; the sayings file needs room to cross the reader's 64 KiB buffer; the digit
# fields take some hundred operations.
targets=(
    parse_integer:64
    calendar_component:96
    parse_date_text:64
    sayings:70000
    digit_field:512
)

export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"

status=0
for entry in "${targets[@]}"; do
    target="${entry%%:*}"
    max_len="${entry##*:}"
    corpus="$scratch/$target"
    artifacts="$build/artifacts/$target"
    log="$scratch/$target.log"
    cp -r "tests/fuzz/corpus/$target" "$corpus"
    mkdir -p "$artifacts"

    if TMPDIR="$target_tmp" "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1; then
        runs="$(awk '/^stat::number_of_executed_units:/ { print $2 }' "$log")"
        echo "$target: ${runs:-?} executions, no finding"
    else
        status=1
        cp "$log" "$artifacts/last-run.log"
        echo "$target: FINDING (log: $artifacts/last-run.log)"
        grep -E 'property broken|ERROR|SUMMARY|Test unit written' "$log" | head -n 20 | sed 's/^/    /'
    fi
done
exit "$status"
