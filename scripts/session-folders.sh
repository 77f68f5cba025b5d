# shellcheck shell=bash
# qb_make_session_folders: makes what a desktop session's start would have made on this machine
# (systemd-tmpfiles at boot): the folders where X servers and session managers put their
# sockets, open to all with the sticky bit. On a machine where no X server ever ran they are
# missing, and XWayland, which does not make its own, cannot start. Sourced by the session
# scripts.
qb_make_session_folders() {
    local folder
    for folder in /tmp/.X11-unix /tmp/.ICE-unix; do
        [ -d "$folder" ] || mkdir -m 1777 "$folder" 2>/dev/null || [ -d "$folder" ] || {
            echo "Cannot make $folder, where X servers put their sockets" >&2
            return 1
        }
    done
}
