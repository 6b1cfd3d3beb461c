#!/usr/bin/env bash
# The window program's command line, with no display anywhere: --help and --version answer
# without one, a start that finds no display says so in one line and ends with status 1 (no
# abort, no core file), one that names a platform Qt does not have says that instead, and
# Qt's own options still reach Qt.
#
#   check_command_line.sh PROGRAM VERSION
set -euo pipefail
program=$(readlink -f "$1")
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
chmod 700 "$scratch"
cd "$scratch"
# A core file would land here.
ulimit -c unlimited

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs the program with no display of the caller's; further VARIABLE=value settings first.
# Leaves its status in $status and its output in $scratch/out and $scratch/err. A run still
# going after $limit seconds (60 unless set) is stopped, with status 124.
run() {
    local settings=()
    while [[ "${1:-}" == *=* ]]; do settings+=("$1"); shift; done
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        XDG_RUNTIME_DIR="$scratch" "${settings[@]}" timeout "${limit:-60}" "$program" "$@" \
        >"$scratch/out" 2>"$scratch/err" || status=$?
}

run --help
[ "$status" -eq 0 ] || fail "--help: status $status"
head -n 1 out | grep -q '^Usage: chronavell' || fail "--help shows no usage"
[ ! -s err ] || fail "--help wrote to standard error: $(cat err)"

run -style Fusion --version
[ "$status" -eq 0 ] || fail "--version: status $status"
[ "$(cat out)" = "chronavell $version" ] || fail "--version says '$(cat out)'"

# An answer that could not be written is no success.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version >/dev/full 2>err || status=$?
[ "$status" -eq 1 ] || fail "--version into a full disk: status $status"
grep -q 'standard output' err || fail "--version into a full disk said nothing"

# Every way of finding no display: nothing set, an X11 display that is not there, each
# platform asked for by name, and a Wayland session whose compositor is gone (Qt then tries
# Wayland and X11 in turn).
cases=(
    ""
    "DISPLAY=:9999"
    "QT_QPA_PLATFORM=xcb"
    "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=no-such-compositor"
    "XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=no-such-compositor DISPLAY=:9999"
)
for settings in "${cases[@]}"; do
    # shellcheck disable=SC2086 # the settings are separate words on purpose
    run $settings
    what="with ${settings:-nothing set}"
    [ "$status" -eq 1 ] || fail "$what: status $status, not 1: $(cat err)"
    [ "$(wc -l <err)" -eq 1 ] || fail "$what: not one line on standard error: $(cat err)"
    grep -q 'DISPLAY' err && grep -q 'WAYLAND_DISPLAY' err \
        || fail "$what: the line names not both DISPLAY and WAYLAND_DISPLAY: $(cat err)"
    [ ! -s out ] || fail "$what: wrote to standard output"
    ! compgen -G "$scratch/core*" >/dev/null || fail "$what: left a core file"
done
[ "$(cat err)" = 'chronavell: no display could be opened: DISPLAY is ":9999", WAYLAND_DISPLAY is "no-such-compositor"' ] \
    || fail "the line does not say what was tried: $(cat err)"

# A platform Qt has no plugin for is no missing display: the line names the platform, and Qt's
# own lines, which list the platforms there are, follow it. The option wins over a variable
# that names a platform that would work.
for settings in "QT_QPA_PLATFORM=offscreen -platform nonesuch" "QT_QPA_PLATFORM=nonesuch"; do
    # shellcheck disable=SC2086 # the settings are separate words on purpose
    run $settings
    what="with $settings"
    [ "$status" -eq 1 ] || fail "$what: status $status, not 1: $(cat err)"
    [ "$(head -n 1 err)" = 'chronavell: no platform named "nonesuch" is available' ] \
        || fail "$what: the platform goes unnamed: $(cat err)"
    grep -q 'Could not find the Qt platform plugin "nonesuch"' err \
        || fail "$what: Qt's message is lost: $(cat err)"
    grep -q '^Available platform plugins are: .*offscreen' err \
        || fail "$what: Qt's list of platforms is lost: $(cat err)"
    [ ! -s out ] || fail "$what: wrote to standard output"
    ! compgen -G "$scratch/core*" >/dev/null || fail "$what: left a core file"
done

# Qt's standard options still work, and an argument nobody knows is ignored: on the offscreen
# platform the window needs no display and runs until it is stopped.
limit=3 run -platform offscreen --no-such-option extra
[ "$status" -eq 124 ] || fail "with -platform offscreen: ended with status $status: $(cat err)"

# Qt's messages on the way to a display that did open are held back only until it is open:
# the failed first choice is still reported.
limit=3 run "QT_QPA_PLATFORM=wayland;offscreen" WAYLAND_DISPLAY=no-such-compositor
[ "$status" -eq 124 ] || fail "falling back to offscreen: ended with status $status: $(cat err)"
grep -q 'platform plugin "wayland"' err || fail "the failed Wayland start went unreported: $(cat err)"
echo "command line OK"
