#!/usr/bin/env bash
# Runs a command on a virtual X11 desktop of its own: Xvfb with openbox as window manager and
# trayer as the tray. The desktop ends with the command; its exit status is the command's.
#   scripts/xsession.sh COMMAND [ARGS...]
# QB_SCREEN sets the screen size (default 1280x800x24).
set -euo pipefail

display_number=90
while [ -e "/tmp/.X${display_number}-lock" ] || [ -e "/tmp/.X11-unix/X${display_number}" ]; do
    display_number=$((display_number + 1))
done
export DISPLAY=":${display_number}"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 "${QB_SCREEN:-1280x800x24}" -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
xdpyinfo >/dev/null 2>&1 || { echo "xsession: Xvfb did not start" >&2; exit 1; }

openbox >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 \
    --transparent false --tint 0xdddddd --SetDockType true >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xprop -root 2>/dev/null | grep -q '_NET_SYSTEM_TRAY_S' && break
    xwininfo -root -tree 2>/dev/null | grep -qi trayer && break
    sleep 0.05
done

"$@"
