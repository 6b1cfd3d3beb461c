#!/usr/bin/env bash
# Rewrites every C++ file of ours in the project's format (.clang-format).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format -i
