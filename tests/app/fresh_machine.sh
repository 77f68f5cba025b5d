#!/usr/bin/env bash
# The Wayland desktop with XWayland, started where no X server ever ran: a /tmp of its own
# without /tmp/.X11-unix, in a private mount namespace. Skipped (status 77) where no such
# namespace can be made.
#   tests/app/fresh_machine.sh
set -euo pipefail
if [ "${1:-}" != inside ]; then
    unshare -m true 2>/dev/null || { echo "No private mount namespace here: skipped"; exit 77; }
    exec unshare -m "$0" inside
fi
# A checkout below /tmp (CI's, say) is brought back onto the fresh /tmp, where it was.
root=$(cd "$(dirname "$0")/../.." && pwd)
exec 3<"$root"
mount -t tmpfs tmpfs /tmp
case $root in
/tmp/*) mkdir -p "$root" && mount --no-canonicalize --bind /proc/self/fd/3 "$root" ;;
esac
exec 3<&-
# shellcheck disable=SC2016 # expanded by the inner shell
exec "$(dirname "$0")/wayland_session.sh" xwayland \
    sh -c 'test "$(stat -c %a /tmp/.X11-unix)" = 1777 && test -S "/tmp/.X11-unix/X${DISPLAY#:}"'
