#!/usr/bin/env bash
# Checks every C++ file of ours against the project's rules: clang-format shows no difference
# (.clang-format) and clang-tidy has no finding (.clang-tidy: the naming rule of
# CONTRIBUTING.md and the rest). Translation units come from the build's compile database;
# headers are checked through them. A unit found clean is not checked again until it, a
# header of ours, the settings or its compile command change.
#
#   tools/lint.sh [BUILD]       BUILD defaults to build/
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${files[@]}"; then
    echo "lint: clang-format differs; tools/format.sh rewrites the files" >&2
    exit 1
fi
exec python3 tools/lint_units.py "$build"
