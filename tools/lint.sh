#!/usr/bin/env bash
# Checks the C++ files of ours against the project's rules: clang-format shows no difference
# in any file (.clang-format), and clang-tidy has no finding (.clang-tidy: the naming rule of
# CONTRIBUTING.md and the rest). Translation units come from the build's compile database;
# headers are checked through the units that include them.
#
#   tools/lint.sh [BUILD]              the units whose source, headers of ours, compile command
#                                      or clang-tidy settings changed since they were last
#                                      found clean
#   tools/lint.sh --since REV [BUILD]  the units whose source or headers changed since REV
#   tools/lint.sh --all [BUILD]        every unit, as the test command asks
#
# BUILD defaults to build/, which must have been built (its dependency records say which
# headers a unit includes).
set -euo pipefail
cd "$(dirname "$0")/.."
options=()
while [ $# -gt 0 ]; do
    case "$1" in
    --all) options+=(--all) ;;
    --since) options+=(--since "${2:?--since takes a revision}"); shift ;;
    *) break ;;
    esac
    shift
done
build=${1:-build}

mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${files[@]}"; then
    echo "lint: clang-format differs; tools/format.sh rewrites the files" >&2
    exit 1
fi
exec python3 tools/lint_units.py "${options[@]}" "$build"
