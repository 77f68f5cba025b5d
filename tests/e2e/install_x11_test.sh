#!/usr/bin/env bash
# The Debian package, installed and run (inside scripts/xsession.sh): cpack makes the .deb from
# the build directory, the package is unpacked into a root of its own (never into the real
# system), its files stand where a desktop looks for them, and the program from it starts on
# the virtual desktop, shows its first-run window, and quits with status 0 after the question.
#   install_x11_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
: "${DISPLAY:?run this inside scripts/xsession.sh}"

work=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

source "$(dirname "$0")/../../scripts/waitfor.sh"

echo "== The package"
(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { tail -n 20 "$work/cpack.log"; fail "cpack could not make the package"; }
deb=$(ls "$work"/out/quillbox_*.deb)
info=$(dpkg-deb -f "$deb" Package Section Depends Maintainer)
echo "$info"
grep -q '^Package: quillbox$' <<<"$info" || fail "the package is not called quillbox"
grep -q '^Section: utils$' <<<"$info" || fail "the package is not in section utils"
grep -q '^Depends: .*libqt6widgets6' <<<"$info" || fail "the dependencies were not computed"
# Every package it depends on is one Debian knows (it is installed here).
for dep in $(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/(.*)//; s/|.*//' | tr -d ' '); do
    dpkg-query -W -f='${Status}' "$dep" 2>/dev/null | grep -q "install ok installed" ||
        fail "the package depends on $dep, which is not installed here"
done

echo "== Debian's checks"
# Errors and warnings fail; lintian's own notes on running as root do not count.
lintian --tag-display-limit 0 --fail-on error,warning "$deb" 2>"$work/lintian.err" ||
    { cat "$work/lintian.err"; fail "lintian finds fault with the package"; }

echo "== Its files"
root=$work/root
dpkg-deb -x "$deb" "$root"
for file in usr/bin/quillbox usr/share/quillbox/ding.wav \
    usr/share/applications/org.quillbox.Quillbox.desktop \
    usr/share/icons/hicolor/16x16/apps/org.quillbox.Quillbox.png \
    usr/share/icons/hicolor/32x32/apps/org.quillbox.Quillbox.png \
    usr/share/icons/hicolor/48x48/apps/org.quillbox.Quillbox.png \
    usr/share/icons/hicolor/scalable/apps/org.quillbox.Quillbox.svg \
    usr/share/doc/quillbox/copyright usr/share/doc/quillbox/changelog.gz \
    usr/share/man/man1/quillbox.1.gz usr/lib/quillbox/modules/libquillbox_sound.so; do
    [ -s "$root/$file" ] || fail "the package lacks /$file"
done
grep -q '^Exec=quillbox$' "$root/usr/share/applications/org.quillbox.Quillbox.desktop" ||
    fail "the desktop entry does not start quillbox"
grep -q '^Icon=org.quillbox.Quillbox$' "$root/usr/share/applications/org.quillbox.Quillbox.desktop" ||
    fail "the desktop entry does not name the icon"
for size in 16 32 48; do
    identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/org.quillbox.Quillbox.png" |
        grep -qx "${size}x${size}" || fail "the ${size}x${size} icon has another size"
done

echo "== The program from the package"
# A home of its own, in case the program keeps its file in the user's data directory.
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME"
"$root/usr/bin/quillbox" >"$work/program.log" 2>&1 &
pid=$!
main_window() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Quillbox$' 2>/dev/null); do
        [ "$(xdotool getwindowpid "$id" 2>/dev/null)" = "$pid" ] || continue
        xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q DIALOG && continue
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$WIDTH" -le 100 ] || [ "$HEIGHT" -le 100 ] || [ "$HEIGHT" -eq 300 ]; then continue; fi
        echo "$id"
        return 0
    done
    return 1
}
wait_for main_window || { cat "$work/program.log"; fail "the first-run window did not show"; }
win=$(main_window)
import -window root "$build/e2e-shots/installed-first-run.png" 2>/dev/null || true
# Enter on the main window asks the quit question; Enter again takes its Yes. The window may
# not have the keyboard yet when it has only just come up: ask again until the question shows.
question() { xdotool search --onlyvisible --name '^Quillbox$' | while read -r id; do
    xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q DIALOG && echo "$id"; done | grep -q .; }
asked=no
for _ in 1 2 3 4 5; do
    xdotool windowactivate --sync "$win" key Return
    if wait_for question; then asked=yes; break; fi
done
[ "$asked" = yes ] || fail "no quit question"
xdotool key Return
status=0
for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after Yes"
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || { cat "$work/program.log"; fail "exit status $status"; }
[ -s "$root/usr/bin/quillbox.dat" ] || [ -s "$XDG_DATA_HOME/Quillbox/quillbox.dat" ] ||
    fail "the program from the package saved no data file"
echo "The package installs, starts and quits."
