#!/usr/bin/env bash
# Starts a headless weston of its own, with its own runtime folder and socket, and runs the
# given command on it as a native Wayland client. Nothing of the caller's desktop is used.
#
#   run_on_weston.sh COMMAND [ARGUMENT...]
set -euo pipefail
runtime=$(mktemp -d "${TMPDIR:-/tmp}/chronavell-weston.XXXXXX")
chmod 700 "$runtime"
weston_pid=
finish() {
    [ -z "$weston_pid" ] || kill "$weston_pid" 2>/dev/null || true
    [ -z "$weston_pid" ] || wait "$weston_pid" 2>/dev/null || true
    rm -rf "$runtime"
}
trap finish EXIT

command -v weston >/dev/null || { echo "FAIL: weston is not installed" >&2; exit 1; }
socket=chronavell-test
# The headless backend draws nothing (no GPU needed); no config file of the user's is read.
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket="$socket" \
    --no-config --idle-time=0 --log="$runtime/weston.log" &
weston_pid=$!

# weston makes its socket when it is ready for clients.
for _ in $(seq 1 200); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || { cat "$runtime/weston.log" >&2; echo "FAIL: weston ended" >&2; exit 1; }
    sleep 0.1
done
[ -S "$runtime/$socket" ] || { cat "$runtime/weston.log" >&2; echo "FAIL: weston made no socket" >&2; exit 1; }

# The headless compositor has no seat: no keyboard, no pointer. Qt 6.4 still binds weston's
# text input and then, in the first popup, asks the missing keyboard for it and crashes. A
# desktop always has a seat; here the client goes without an input method instead.
status=0
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    QT_IM_MODULE=none "$@" || status=$?
[ "$status" -eq 0 ] || cat "$runtime/weston.log" >&2
exit "$status"
