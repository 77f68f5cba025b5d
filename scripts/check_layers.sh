#!/usr/bin/env bash
# Checks what the build's include paths cannot: only the platform layer talks to the X server
# (its client headers and Qt's X11 native interface), the document layer uses no windows, and no
# include path holds "../" ("model/../storage/x.h" too), which would pass by the include paths
# that keep the layers. Prints each offending
# line; the exit status says whether any was found.
#   scripts/check_layers.sh
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
report() {
    local found
    found=$(git grep --untracked -n -E "$1" -- "${@:3}" || true)
    if [ -n "$found" ]; then
        echo "$found"
        echo "check_layers: $2"
        status=1
    fi
}
report '#include <(xcb|X11)/|QX11Application' \
    "the X server is reached through platform/ only (platform/windowsystem.h)" \
    model storage document resources look stickum pages process desktop app
report '#include <(QtGui|QtWidgets)/|#include <Q(Widget|Window|GuiApplication|Application|Palette)>' \
    "document/ keeps the data without any window: Qt's core only" \
    document
report '#include *["<][^">]*\.\./' \
    "includes name their folder (\"model/date.h\"), never \"../\" anywhere in the path" \
    model storage document resources platform look stickum pages process desktop app
exit $status
