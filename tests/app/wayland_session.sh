#!/usr/bin/env bash
# Runs a test program on a Wayland desktop of its own: weston's headless backend, with XWayland
# ("xwayland") or without it ("native"). The desktop ends with the program.
#   tests/app/wayland_session.sh xwayland|native PROGRAM [ARGS...]
set -euo pipefail
mode=$1
shift
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY XDG_SESSION_TYPE

runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=""
# shellcheck disable=SC2317 # run by the trap
cleanup() {
    if [ -n "$weston_pid" ]; then kill "$weston_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

source "$(dirname "$0")/../../scripts/waitfor.sh"
source "$(dirname "$0")/../../scripts/session-folders.sh"
qb_make_session_folders

extra=()
[ "$mode" = xwayland ] && extra=(--xwayland)
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket=wayland-quillbox \
    --idle-time=0 --width=1280 --height=800 "${extra[@]}" >"$runtime/weston.log" 2>&1 &
weston_pid=$!
wait_for test -S "$runtime/wayland-quillbox" || {
    cat "$runtime/weston.log" >&2
    echo "wayland_session: weston did not start" >&2
    exit 1
}
if [ "$mode" = xwayland ]; then
    wait_for grep -q "xserver listening on display" "$runtime/weston.log" || {
        cat "$runtime/weston.log" >&2
        echo "wayland_session: weston started no XWayland" >&2
        exit 1
    }
    DISPLAY=$(grep -o "listening on display :[0-9]*" "$runtime/weston.log" | grep -o ":[0-9]*")
    export DISPLAY
fi
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-quillbox
# Quillbox draws nothing with OpenGL: no GPU buffer integration, whose software driver (Mesa's,
# loaded and unloaded again at start) leaves memory the leak checker cannot trace.
export QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none
# A desktop session with XWayland calls itself a Wayland one (Qt would then choose Wayland);
# a bare compositor may not (Qt would then try X11).
[ "$mode" = xwayland ] && export XDG_SESSION_TYPE=wayland
# Quillbox draws without OpenGL: Qt's Wayland platform is kept from loading EGL, whose software
# driver, unloaded at the end, leaves memory that LeakSanitizer counts as leaked.
[ "$mode" = native ] && export QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none
status=0
"$@" || status=$?
[ "$status" -ne 0 ] && [ -n "${QB_VERBOSE:-}" ] && cat "$runtime/weston.log" >&2
exit "$status"
