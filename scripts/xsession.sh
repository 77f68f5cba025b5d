#!/usr/bin/env bash
# Runs a command on a virtual X11 desktop of its own: Xvfb with openbox as window manager and
# trayer as the tray. The desktop ends with the command; its exit status is the command's.
#   scripts/xsession.sh COMMAND [ARGS...]
# QB_SCREEN sets the screen size (default 1280x800x24); QB_SECOND_SCREEN, when set, the size of
# a second X screen (:N.1) beside it, with no window manager.
set -euo pipefail
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

pids=()
session_dir=$(mktemp -d)
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    [ -n "${QB_KEEP_SESSION_LOGS:-}" ] && cp -r "$session_dir" /tmp/last-xsession
    rm -rf "$session_dir"
}
trap cleanup EXIT

source "$(dirname "$0")/waitfor.sh"
source "$(dirname "$0")/session-folders.sh"
qb_make_session_folders

# Xvfb picks a free display itself and tells us which, so that sessions started side by side
# never share one.
second_screen=()
[ -n "${QB_SECOND_SCREEN:-}" ] && second_screen=(-screen 1 "$QB_SECOND_SCREEN")
Xvfb -displayfd 3 -screen 0 "${QB_SCREEN:-1280x800x24}" "${second_screen[@]}" -nolisten tcp \
    3>"$session_dir/display" >"$session_dir/xvfb.log" 2>&1 &
pids+=($!)
wait_for test -s "$session_dir/display" || { echo "xsession: Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$session_dir/display")"
export DISPLAY
wait_for xdpyinfo || { echo "xsession: $DISPLAY does not answer" >&2; exit 1; }

wm_check() { xprop -root -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
# openbox now and then gives up at start on a busy machine: try again before giving up.
for attempt in 1 2 3; do
    openbox --sm-disable >"$session_dir/openbox.log" 2>&1 &
    wm_pid=$!
    wait_for wm_check && break
    kill "$wm_pid" 2>/dev/null || true
    [ "$attempt" -eq 3 ] && { cat "$session_dir/openbox.log" >&2; echo "xsession: openbox did not start" >&2; exit 1; }
done
pids+=("$wm_pid")

trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 \
    --transparent false --tint 0xdddddd --SetDockType true >"$session_dir/trayer.log" 2>&1 &
pids+=($!)
wait_for xdotool search --class trayer || echo "xsession: no tray (trayer did not start)" >&2

"$@"
