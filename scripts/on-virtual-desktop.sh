#!/usr/bin/env bash
# Runs a program on the virtual desktop that scripts/xsession.sh started, and tells how to see
# it: through VNC when x11vnc is installed, and always with a screenshot command.
#   scripts/xsession.sh scripts/on-virtual-desktop.sh PROGRAM [ARGS...]
set -euo pipefail
: "${DISPLAY:?run this inside scripts/xsession.sh}"

echo "Virtual desktop on DISPLAY=$DISPLAY."
if command -v x11vnc >/dev/null 2>&1; then
    x11vnc -display "$DISPLAY" -forever -shared -nopw -localhost -rfbport 5900 -quiet \
        >/dev/null 2>&1 &
    echo "  See it with a VNC viewer on localhost:5900 (for example: vncviewer localhost:5900)."
fi
echo "  Screenshot: DISPLAY=$DISPLAY import -window root screenshot.png"
echo "Press Ctrl+C to end Quillbox and the desktop."
exec "$@"
