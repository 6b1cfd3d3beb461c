#!/usr/bin/env bash
# Installs what is missing and configures the one build folder, once.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
if [ ! -f build/CMakeCache.txt ]; then
    cmake --preset default >/dev/null
fi
