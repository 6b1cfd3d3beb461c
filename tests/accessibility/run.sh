#!/usr/bin/env bash
# What a screen reader is told about the real program, compared with tree.txt beside this
# script: the program runs on an X display, a session bus and an accessibility bus of its own,
# at a fixed moment with a known saying, and dump_tree.py reads its whole tree over the bus,
# the Check Date Classes dialog included.
#
#   run.sh [--update] [PROGRAM]
#
# PROGRAM defaults to build/app/chronavell. With --update the dump is written to tree.txt
# instead of being compared with it. Exits non-zero on any difference or failure.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
fixture=$here/tree.txt
# Generous: a loaded machine may be slow to start the buses and the program, never this slow.
ready_seconds=60

# Polls until a name has an owner on a bus (dbus-send's bus option, --session or
# --bus=ADDRESS), or fails once the process that should take it has ended or time is up.
wait_for_name() {
    local bus=$1 name=$2 owner_pid=$3 deadline=$((SECONDS + ready_seconds))
    until dbus-send "$bus" --print-reply=literal --dest=org.freedesktop.DBus \
        /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner "string:$name" 2>/dev/null |
        grep -q true; do
        kill -0 "$owner_pid" 2>/dev/null || { echo "run.sh: $name did not start" >&2; return 1; }
        [ "$SECONDS" -lt "$deadline" ] || { echo "run.sh: no $name in time" >&2; return 1; }
        sleep 0.05
    done
}

# The processes the part inside the session bus has started, stopped the latest first.
started=()
stop_started() {
    local index
    for ((index = ${#started[@]} - 1; index >= 0; index--)); do
        kill "${started[index]}" 2>/dev/null || true
        wait "${started[index]}" 2>/dev/null || true
    done
}

# The part inside the private session bus, started by dbus-run-session below. Every process it
# starts is stopped again however it ends; dbus-run-session then stops the session bus.
in_session() {
    local work=$1
    echo $$ >"$work/in-session.pid"
    trap stop_started EXIT
    trap 'exit 143' TERM INT

    # The bus launcher owns org.a11y.Bus on the session bus and starts the accessibility bus,
    # which it stops again when it is stopped; the registry lists the programs on that bus.
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus-launcher.log" 2>&1 &
    started+=($!)
    wait_for_name --session org.a11y.Bus "${started[-1]}"
    local address
    address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress)
    address=${address#"${address%%[![:space:]]*}"}
    /usr/libexec/at-spi2-registryd >"$work/registry.log" 2>&1 &
    started+=($!)
    wait_for_name "--bus=$address" org.a11y.atspi.Registry "${started[-1]}"

    # Noon on a fixed day in UTC, the clock running on from there: every date the program
    # shows is known, and no day ends during the run. The monotonic clock stays real, so that
    # the program's timers and its bus time-outs behave as they always do. The library is the
    # variant for programs with threads, as Qt's are; the dynamic loader, not the shell, fills
    # in $LIB with the library folder of the program's architecture.
    # shellcheck disable=SC2016
    env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        LD_PRELOAD='/usr/$LIB/faketime/libfaketimeMT.so.1' \
        FAKETIME='@2005-05-05 12:00:00' FAKETIME_DONT_FAKE_MONOTONIC=1 \
        "$work/program/chronavell" >"$work/program.log" 2>&1 &
    local program=$!
    started+=("$program")

    # In the background, so that a stop signal is answered at once rather than after the dump.
    /usr/bin/python3 "$here/dump_tree.py" --pid "$program" --timeout "$ready_seconds" \
        --dialog >"$work/tree.txt" &
    started+=($!)
    wait "${started[-1]}"
    if ! kill -0 "$program" 2>/dev/null; then
        echo "run.sh: the program ended during the dump" >&2
        exit 1
    fi
}

if [ "${1:-}" = --in-session ]; then
    in_session "$2"
    exit
fi

update=false
if [ "${1:-}" = --update ]; then
    update=true
    shift
fi
program=${1:-$repo/build/app/chronavell}
[ -x "$program" ] || { echo "run.sh: no program at $program" >&2; exit 1; }

# A private display and $work, both gone when this script exits.
# shellcheck source=../../bench/startup/private_display.sh
. "$repo/bench/startup/private_display.sh"
session_pid=""
stop_session() {
    if [ -n "$session_pid" ] && kill -0 "$session_pid" 2>/dev/null; then
        # dbus-run-session passes no signal on: the script inside stops its own processes, and
        # dbus-run-session then stops the bus. Should that script not have started yet, the
        # session's own processes are stopped instead.
        if [ -s "$work/in-session.pid" ]; then
            kill "$(cat "$work/in-session.pid")" 2>/dev/null || true
        else
            for child in $(ps -o pid= --ppid "$session_pid"); do
                kill "$child" 2>/dev/null || true
            done
        fi
        wait "$session_pid" 2>/dev/null || true
    fi
    cleanup
}
trap stop_session EXIT
# The server would reset whenever its last client left, as the bus launcher does once it has
# told the display where the accessibility bus is; a client that came during a reset would be
# turned away.
start_private_display 0 -noreset

# A copy of the program with a one-line sayings file beside it, so that the saying it picks is
# known. The line ends in a carriage return and a line feed: a line feed alone would belong to
# the saying.
mkdir "$work/program" "$work/home"
cp "$program" "$work/program/chronavell"
printf 'Patience is the sharpest blade in the armoury.\r\n' >"$work/program/Sayings.txt"

status=0
env -i "DISPLAY=$display" "HOME=$work/home" "PATH=/usr/bin:/bin" "LANG=C.UTF-8" "TZ=UTC" \
    "XDG_RUNTIME_DIR=$work/runtime" "QT_QPA_PLATFORM=xcb" \
    dbus-run-session -- /bin/bash "$here/run.sh" --in-session "$work" >"$work/session.log" 2>&1 &
session_pid=$!
wait "$session_pid" || status=$?
session_pid=""
if [ "$status" -ne 0 ]; then
    kill -0 "$xvfb_pid" 2>/dev/null || echo "run.sh: the X server has ended" >&2
    for log in xvfb session bus-launcher registry program; do
        [ -s "$work/$log.log" ] && { echo "--- $log.log"; cat "$work/$log.log"; } >&2
    done
    echo "run.sh: the dump failed" >&2
    exit "$status"
fi

if $update; then
    cp "$work/tree.txt" "$fixture"
    echo "run.sh: wrote $fixture"
    exit 0
fi
diff -u --label tree.txt --label "what the program tells now" "$fixture" "$work/tree.txt"
