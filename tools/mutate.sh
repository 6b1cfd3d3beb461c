#!/usr/bin/env bash
# Plants one-token faults in core/ and cli/ and reports the share of them the tests catch,
# with every survivor (tools/mutate.py). Not part of the test command: a run takes from
# minutes (the .cpp files) to an hour and more (the headers, which many units include).
#
#   tools/mutate.sh [FILE...]     every file of core/ and cli/ unless given
#   tools/mutate.sh --list        the faults it would plant
#   --work DIR                    a copy of its own, so that two runs share the cores
#   --start N                     go on from the Nth fault after an interrupted run
set -euo pipefail
cd "$(dirname "$0")/.."
tools/configure.sh
exec python3 tools/mutate.py "$@"
