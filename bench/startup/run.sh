#!/usr/bin/env bash
# Start-up, memory and idle figures of the program against a bare Qt window of the same size.
#
#   bench/startup/run.sh [--quick] [--idle SECONDS] [--starts N] [--blink-page] [--floors]
#                        [--also NAME=PROGRAM]... [--nice N] [--no-build] [RUNS]
#
# RUNS (default 7) rounds, each starting the program and then the bare window (A B A B ...), so
# that a slow spell of the machine falls on both alike. Each start is measured by
# startup_probe on a private Xvfb display: first frame from the X server's events, resident
# memory 3 s after the start, then CPU time and context switches over an idle window that
# opens 4.5 s after the start (20 s long; --quick: 3 runs of 5 s and 6 short starts).
# Then N more rounds (default 21) of short starts, A B A B, that stop at the first frame: the
# start-up time varies from start to start far more than the rest, and these cost ~1 s each.
# --blink-page adds a third program row: the program with its conversion page brought up by a
# click, the page whose lamp blinks, so that its idle figures include that repaint.
# --floors adds two more floors beside the bare window: "bare-text", the bare window with one
# line of text (what the font machinery costs any window that shows text), and "bare-clock",
# the bare window writing the time into its title every second as any Qt program would.
# --also NAME=PROGRAM adds another build of the program as a row of its own, measured in the same
# rounds (a copy of it runs with the shipped Sayings.txt beside it): a version before a change,
# or one without some start-up trick, set against the program of this tree in one run.
# --nice -10 (as root) runs the X server and both programs ahead of other work: on a machine that
# is building or testing beside this, that keeps most, not all, of the disturbance out.
# The raw lines are kept in build/bench/startup/results-*.txt.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
build="$repo/build"
probe_build="$repo/build/bench/startup"

runs=7
idle=20
starts=21
blink_page=false
floors=false
build_first=true
quick=false
nice=0
also=()
while [ $# -gt 0 ]; do
    case "$1" in
        --quick) quick=true ;;
        --idle) idle=${2:?--idle needs seconds}; shift ;;
        --starts) starts=${2:?--starts needs a count}; shift ;;
        --blink-page) blink_page=true ;;
        --floors) floors=true ;;
        --nice) nice=${2:?--nice needs a value}; shift ;;
        --also) also+=("${2:?--also needs NAME=PROGRAM}"); shift ;;
        --no-build) build_first=false ;;
        -h|--help) sed -n '2,/^set /{/^#/s/^# \{0,1\}//p}' "$0"; exit 0 ;;
        [0-9]*) runs=$1 ;;
        *) echo "run.sh: unknown argument $1" >&2; exit 2 ;;
    esac
    shift
done
if $quick; then
    runs=3
    idle=5
    starts=6
fi
# The idle window opens at 4.5 s: the first frame is long done, and a window of whole
# 5-second periods then holds the same number of lamp blinks in every run.
rss_at=3
idle_from=4.5

# ---- what it needs ----------------------------------------------------------------------------
"$repo/tools/install-deps.sh" xvfb xauth libxcb1-dev libxcb-damage0-dev libxcb-xtest0-dev pkg-config python3

if $build_first; then
    "$repo/tools/configure.sh" >/dev/null
    # Configured again: the probe is left out until its xcb headers are installed.
    cmake "$build" >/dev/null
    cmake --build "$build" --target chronavell chronavell_bare_window chronavell_startup_probe >/dev/null
fi
bare="$probe_build/chronavell_bare_window"
probe="$probe_build/chronavell_startup_probe"
for file in "$build/app/chronavell" "$bare" "$probe"; do
    [ -x "$file" ] || { echo "run.sh: $file is missing (run without --no-build)" >&2; exit 1; }
done

. "$here/private_display.sh"

# The program runs from a copy, with its sayings beside it as it expects: others rebuild it in
# the shared build folder, and a run must not measure two versions.
mkdir "$work/program"
cp "$build/app/chronavell" "$build/app/Sayings.txt" "$work/program/"
program="$work/program/chronavell"
others=()
for entry in "${also[@]}"; do
    name=${entry%%=*}
    mkdir "$work/$name"
    cp "${entry#*=}" "$work/$name/chronavell"
    cp "$build/app/Sayings.txt" "$work/$name/"
    others+=("$name")
done

# ---- a display of its own ---------------------------------------------------------------------

start_private_display "$nice"

mkdir -p "$probe_build"
results="$probe_build/results-$(date +%Y%m%d-%H%M%S).txt"
{
    echo "# $(date -Iseconds) runs=$runs idle=$idle starts=$starts nice=$nice display=$display"
    echo "# cpu: $(lscpu | sed -n 's/^Model name: *//p') x $(nproc)"
    echo "# qt: $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)"
    echo "# program: $(git -C "$repo" rev-parse --short HEAD 2>/dev/null || echo unknown)$(
        git -C "$repo" diff --quiet HEAD 2>/dev/null || echo ' (with uncommitted changes)'),"\
        "binary sha256 $(sha256sum "$program" | cut -c1-12), built $(
        date -r "$build/app/chronavell" -Iseconds)"
    echo "# load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
} >"$results"
# Two cores leave no room: a build or a test run beside this one shows in every figure.
read -r load _ </proc/loadavg
if awk -v load="$load" 'BEGIN { exit !(load > 0.5) }'; then
    echo "run.sh: warning: load average $load, other work on the machine blurs the figures" >&2
fi

measure() { # series name run probe-option... -- program
    local series=$1 name=$2 run=$3
    shift 3
    local line status=0
    line=$("${probe_env[@]}" "$probe" --child-output "$work/$name.log" --server-pid "$xvfb_pid" \
        --nice "$nice" "$@") || status=$?
    echo "series=$series program=$name run=$run $line" >>"$results"
    if [ "$status" -ne 0 ]; then
        echo "run.sh: $name failed in run $run: $line" >&2
        tail -n 20 "$work/$name.log" >&2 || true
        exit 1
    fi
    [ "$series" = starts ] || printf '  %-11s %s\n' "$name" "$(sed 's/ threads_idle.*//' <<<"$line")"
    # A short pause lets the X server finish with the last client before the next starts.
    sleep 0.3
}

# One discarded start of each fills the page cache and the font caches, so the runs that count
# all find the same warm machine.
echo "Warm-up on $display"
"${probe_env[@]}" "$probe" --nice "$nice" --rss-at 1 --idle-from 1 --idle 0 -- "$program" >/dev/null
"${probe_env[@]}" "$probe" --nice "$nice" --rss-at 1 --idle-from 1 --idle 0 -- "$bare" >/dev/null
for name in "${others[@]}"; do
    "${probe_env[@]}" "$probe" --nice "$nice" --rss-at 1 --idle-from 1 --idle 0 \
        -- "$work/$name/chronavell" >/dev/null
done

full=(--rss-at "$rss_at" --idle-from "$idle_from" --idle "$idle")
for run in $(seq "$runs"); do
    echo "Run $run of $runs"
    measure full chronavell "$run" "${full[@]}" -- "$program"
    for name in "${others[@]}"; do
        measure full "$name" "$run" "${full[@]}" -- "$work/$name/chronavell"
    done
    measure full bare "$run" "${full[@]}" -- "$bare"
    if $blink_page; then
        # The "General Date Conversion" tab, in window coordinates.
        measure full blinkpage "$run" "${full[@]}" --click 142,11 -- "$program"
    fi
    if $floors; then
        measure full bare-text "$run" "${full[@]}" -- "$bare" --text
        measure full bare-clock "$run" "${full[@]}" -- "$bare" --caption-clock
    fi
done

# Stopped at the first frame.
short=(--rss-at 0 --idle-from 0 --idle 0)
if [ "$starts" -gt 0 ]; then
    echo "Short starts: $starts rounds"
fi
for run in $(seq "$starts"); do
    measure starts chronavell "$run" "${short[@]}" -- "$program"
    for name in "${others[@]}"; do
        measure starts "$name" "$run" "${short[@]}" -- "$work/$name/chronavell"
    done
    measure starts bare "$run" "${short[@]}" -- "$bare"
    if $floors; then
        measure starts bare-text "$run" "${short[@]}" -- "$bare" --text
    fi
done

echo "# load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)" >>"$results"
echo
python3 "$here/summarise.py" "$results"
echo
echo "Raw figures: $results"
