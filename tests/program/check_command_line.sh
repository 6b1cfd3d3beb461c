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

# A display asked for on the command line is the one that failed, whatever DISPLAY says: the
# line names it in DISPLAY's place, the last one given as Qt's X11 platform takes it.
for arguments in "-display :98" "DISPLAY=:9999 -display :97 --display :98"; do
    # shellcheck disable=SC2086 # the arguments are separate words on purpose
    run $arguments
    [ "$status" -eq 1 ] || fail "with $arguments: status $status, not 1: $(cat err)"
    [ "$(cat err)" = 'chronavell: no display could be opened: -display is ":98", WAYLAND_DISPLAY is not set' ] \
        || fail "with $arguments: the display asked for goes unnamed: $(cat err)"
done

# What the line quotes from the environment cannot steer the terminal, and a runaway value is
# cut at 80 characters, not in the middle of one: a C1 CSI, a byte that is no UTF-8 and a
# right-to-left override are escaped.
run DISPLAY="$(printf ':\xc2\x9b\x9b\xe2\x80\xae')"
[ "$(cat err)" = 'chronavell: no display could be opened: DISPLAY is ":\xc2\x9b\x9b\xe2\x80\xae", WAYLAND_DISPLAY is not set' ] \
    || fail "DISPLAY is not escaped: $(cat err)"
run DISPLAY="$(printf 'é%.0s' {1..100})" -display "$(printf 'é%.0s' {1..100})"
many=$(printf 'é%.0s' {1..80})
[ "$(cat err)" = "chronavell: no display could be opened: -display is \"$many…\", WAYLAND_DISPLAY is not set" ] \
    || fail "a long display name is not cut: $(cat err)"

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

# A runaway platform name is quoted cut short, in the line and in Qt's own lines, which keep
# the rest of what they say: not 200 KB of it. Qt reads a platform name as Latin-1: a lone
# byte 0x9b is a C1 CSI to it, which must not reach the terminal. Qt's list of the platforms
# there are is longer than any quote and stays whole.
long=$(head -c 100000 /dev/zero | tr '\0' x)
x80=${long:0:80}
run -platform "$long"
[ "$status" -eq 1 ] || fail "with a long platform name: status $status, not 1"
[ "$(wc -c <err)" -lt 2000 ] || fail "a long platform name made $(wc -c <err) bytes of messages"
[ "$(head -n 1 err)" = "chronavell: no platform named \"$x80…\" is available" ] \
    || fail "a long platform name is not cut: $(head -c 300 err)"
grep -qx "qt.qpa.plugin: Could not find the Qt platform plugin \"$x80…\" in \"\"" err \
    || fail "a long platform name is not cut in Qt's line: $(head -c 600 err)"
[ "$(grep -c "$x80" err)" -eq 2 ] || fail "the long platform name is shown elsewhere: $(cat err)"
grep -E '^Available platform plugins are: .*offscreen.*\.$' err | grep -Eq '.{81}' \
    || fail "Qt's list of platforms is cut or lost: $(cat err)"
run -platform "$(printf 'a\x9b[31m')"
[ "$(head -n 1 err)" = 'chronavell: no platform named "a\xc2\x9b[31m" is available' ] \
    || fail "a CSI in the platform name is not escaped: $(head -n 1 err | od -c)"
grep -qF 'Could not find the Qt platform plugin "a\xc2\x9b[31m" in ""' err \
    || fail "a CSI in the platform name is not escaped in Qt's line: $(od -c err)"
! LC_ALL=C grep -qP '\xc2[\x80-\x9f]' err || fail "a C1 character reached the terminal: $(od -c err)"
# Qt's X11 platform, tried after the unknown one, quotes the display asked for in a line of
# its own: that quote is cut as well.
run -platform "nonesuch;xcb" -display "$long"
[ "$(wc -c <err)" -lt 2000 ] || fail "a long display name made $(wc -c <err) bytes of messages"
grep -qx "qt.qpa.xcb: could not connect to display $x80…" err \
    || fail "a long display name is not cut in Qt's line: $(head -c 600 err)"

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
