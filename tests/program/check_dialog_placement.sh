#!/usr/bin/env bash
# Where the Check Date Classes dialog lands on a real X display under a window manager: its
# frame, title bar included, in the middle of the screen.
#
#   check_dialog_placement.sh PROGRAM
set -euo pipefail
program=$(readlink -f "$1")
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
chmod 700 "$scratch"

fail() { echo "FAIL: $*" >&2; exit 1; }

# A display number of the server's own choosing, so that runs side by side never collide.
exec 3<> "$scratch/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 600); do
    [ -s "$scratch/displayfd" ] && break
    kill -0 "${pids[0]}" 2>/dev/null || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
    sleep 0.1
done
export DISPLAY=":$(head -n 1 "$scratch/displayfd")"
[ "$DISPLAY" != ":" ] || fail "Xvfb gave no display"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
pids+=($!)
# Openbox names its theme on the root window near the end of its start, after it has begun to
# manage windows: a window mapped before then was seen left unmanaged and never shown.
for _ in $(seq 600); do
    xprop -root _OB_THEME 2>/dev/null | grep -q '=' && break
    sleep 0.1
done
xprop -root _OB_THEME | grep -q '=' || fail "openbox did not start: $(cat "$scratch/openbox.log")"

XDG_RUNTIME_DIR=$scratch "$program" >"$scratch/program.log" 2>&1 &
pids+=($!)
window=$(timeout 60 xdotool search --sync --onlyvisible --classname chronavell | head -n 1) ||
    fail "no window (program $(kill -0 "${pids[2]}" 2>/dev/null && echo running || echo ended)):" \
        "$(cat "$scratch/program.log")" "$(xwininfo -root -tree 2>&1 | grep -i chronavell)" \
        "openbox $(kill -0 "${pids[1]}" 2>/dev/null && echo running || echo ended):" \
        "$(cat "$scratch/openbox.log")"
# A key pressed before the window manager has handed the window the focus goes elsewhere: F1
# is pressed again until the dialog shows.
dialog=""
for _ in $(seq 30); do
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key F1
    dialog=$(timeout 2 xdotool search --sync --onlyvisible --name '^Check Date Classes$' |
        head -n 1) && break
done
[ -n "$dialog" ] || fail "F1 opened no dialog"

# The frame's extents arrive from the window manager once it has framed the dialog.
extents=""
for _ in $(seq 600); do
    extents=$(xprop -id "$dialog" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p')
    [ -n "$extents" ] && break
    sleep 0.1
done
[ -n "$extents" ] || fail "the window manager did not frame the dialog"
IFS=', ' read -r left right top bottom <<<"$extents"
[ "$top" -gt 0 ] || fail "the dialog has no title bar: extents $extents"
read -r x y width height < <(xwininfo -id "$dialog" | awk '
    /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
centre_x=$(( (x - left) * 2 + width + left + right ))
centre_y=$(( (y - top) * 2 + height + top + bottom ))
# Twice the centre, against twice the screen's: an odd size may leave half a pixel over.
if [ $((centre_x - 1024)) -lt -1 ] || [ $((centre_x - 1024)) -gt 1 ] ||
   [ $((centre_y - 768)) -lt -1 ] || [ $((centre_y - 768)) -gt 1 ]; then
    fail "the dialog's frame is centred on ($((centre_x / 2)), $((centre_y / 2))), not (512, 384):" \
        "client at $x,$y ${width}x$height, frame extents $extents"
fi
echo "dialog placement OK: frame centred, extents $extents"
