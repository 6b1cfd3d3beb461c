#!/usr/bin/env bash
# Builds the Debian package build/chronavell_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/configure.sh
cmake --build build
(cd build && cpack --config CPackConfig.cmake)
