#!/usr/bin/env bash
# Where the start-up goes, in instructions: runs the program and the bare window once each under
# callgrind on a private Xvfb display, stops each at its first paint (seen by startup_probe), and
# prints the instruction counts of the start's main parts and of each library.
#
#   bench/startup/profile.sh [--no-build] [--program PATH]
#
# --program profiles another build of the program (with Sayings.txt beside it) in place of this
# tree's: a version before a change, or one without some start-up trick.
#
# Instruction counts do not depend on how busy the machine is, unlike the times of run.sh, so
# one run of each is enough. They leave out the kernel's work (exec, page faults, reading files)
# and waiting on the X server; run.sh's "CPU until then" rows show how large those are.
# The callgrind files stay in build/bench/startup/profile/ for callgrind_annotate or kcachegrind.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
probe_build="$repo/build/bench/startup"
out="$probe_build/profile"

build_first=true
program="$repo/build/app/chronavell"
while [ $# -gt 0 ]; do
    case "$1" in
        --no-build) build_first=false ;;
        --program) program=$(realpath "${2:?--program needs a path}"); shift ;;
        *) echo "profile.sh: unknown argument $1" >&2; exit 2 ;;
    esac
    shift
done

"$repo/tools/install-deps.sh" xvfb valgrind libxcb1-dev libxcb-damage0-dev libxcb-xtest0-dev pkg-config python3
if $build_first; then
    "$repo/tools/configure.sh" >/dev/null
    # Configured again: the probe is left out until its xcb headers are installed.
    cmake "$repo/build" >/dev/null
    cmake --build "$repo/build" --target chronavell chronavell_bare_window chronavell_startup_probe >/dev/null
fi

. "$here/private_display.sh"
start_private_display

mkdir -p "$out"
for measured in "$program" "$probe_build/chronavell_bare_window"; do
    name=$(basename "$measured")
    # One plain start first, so that both find the font caches and the page cache warm.
    "${probe_env[@]}" "$probe_build/chronavell_startup_probe" --rss-at 0 --idle-from 0 --idle 0 \
        -- "$measured" >/dev/null
    # Valgrind runs the program some fifty times slower; the probe stops it at its first paint
    # and callgrind writes its counts as the program ends.
    "${probe_env[@]}" "$probe_build/chronavell_startup_probe" --paint-timeout 600 --rss-at 0 \
        --idle-from 0 --idle 0 --child-output "$out/$name.log" -- \
        /usr/bin/valgrind --tool=callgrind --callgrind-out-file="$out/$name.callgrind" \
        "$measured" >/dev/null
done

python3 "$here/profile_report.py" "$out/chronavell.callgrind" \
    "$out/chronavell_bare_window.callgrind"
