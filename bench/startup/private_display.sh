# Sourced by run.sh and profile.sh, and by tests/accessibility/run.sh: a temporary folder and
# an X display of their own, both gone when the script exits, and the same small environment
# for every program they start.
#
#   . private_display.sh          # sets $work and the clean-up
#   start_private_display [NICE [XVFB_OPTION...]]  # sets $display and the probe_env prefix

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_private_display() {
    local niceness=${1:-0}
    shift || true
    # -displayfd lets the server take the first free display number and say which when it is
    # ready.
    nice -n "$niceness" Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 -dpi 96 "$@" \
        3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
        sleep 0.1
    done
    [ -s "$work/display" ] || { echo "$(basename "$0"): Xvfb did not start" >&2; exit 1; }
    display=":$(head -n1 "$work/display")"
    mkdir -m 700 "$work/runtime"
    # No session bus, no desktop settings, the xcb platform, one locale: only the programs
    # differ from start to start.
    probe_env=(env -i "DISPLAY=$display" "HOME=$work" "PATH=/usr/bin:/bin" "LANG=C.UTF-8"
        "XDG_RUNTIME_DIR=$work/runtime" "QT_QPA_PLATFORM=xcb")
}
