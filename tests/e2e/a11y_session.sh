#!/usr/bin/env bash
# Runs the screen reader's walk (a11y_walk.py) on the X desktop of scripts/xsession.sh, inside
# a D-Bus session of its own with the accessibility bus (at-spi2-core) and its registry.
#   a11y_session.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ -n "${DISPLAY:-}" ] || { echo "a11y_session: needs an X desktop (scripts/xsession.sh)" >&2; exit 1; }
# shellcheck disable=SC2016 # expanded by the inner shell
exec dbus-run-session -- bash -c '
    export XDG_RUNTIME_DIR=$(mktemp -d)
    trap "rm -rf \"$XDG_RUNTIME_DIR\"" EXIT
    # The accessibility bus and its registry come up before the program looks for them.
    /usr/bin/python3 -c "import pyatspi; pyatspi.Registry.getDesktop(0)"
    /usr/bin/python3 "$0" "$1"
' "$here/a11y_walk.py" "$1" 2> >(grep -v -e "^dbus-daemon" -e "Failed to set fd limit" >&2)
