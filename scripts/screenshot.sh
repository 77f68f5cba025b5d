#!/usr/bin/env bash
# Takes screenshots of Quillbox's main window on a virtual desktop: docs/screenshot-main.png
# and one of each page, docs/screenshot-<page>.png.
#   scripts/screenshot.sh [BUILD_DIR]     (default: build)
# The program runs from a fresh directory of its own, so it starts as on a first run: main
# window open, no data file. Before the pages are taken it is given a few notes, a lending
# kept for the longest time there is (1825 days) and the longest default day counts, typed in
# with xdotool at the places the controls have with the fonts Debian installs.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -x "$build/app/quillbox" ] || { echo "screenshot: build $build/app/quillbox first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/app/quillbox" "$build/app/ding.wav" "$work/"
out=$PWD/docs
mkdir -p docs

# shellcheck disable=SC2016 # expanded by the inner shell
QB_SCREEN=800x600x24 scripts/xsession.sh bash -c '
    "$1/quillbox" & pid=$!
    win=""
    for _ in $(seq 100); do
        win=$(xdotool search --onlyvisible --name "^Quillbox$" 2>/dev/null | head -1) && [ -n "$win" ] && break
        sleep 0.1
    done
    [ -n "$win" ] || { echo "screenshot: the main window did not appear" >&2; kill $pid; exit 1; }
    xdotool windowactivate --sync "$win" 2>/dev/null || true
    sleep 1
    import -window "$win" "$2/screenshot-main.png"
    # Then every page in turn: Ctrl+Tab moves to the next tab.
    eval "$(xdotool getwindowgeometry --shell "$win")"
    at() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.3; }
    type() { xdotool type --delay 20 "$1"; }
    # Notes: three of them.
    at 45 43
    for note in "Buy milk and bread" "Call the plumber about the kitchen tap" "Dentist on Friday at 10"; do
        at 325 265; type "$note"; at 253 327
    done
    # Lendings: one kept 1825 days, shown selected.
    at 115 43
    at 150 228; type "Ann"
    at 323 268; type "The Art of Programming"
    at 130 290; xdotool key ctrl+a; type "1825"
    at 253 327
    at 80 110
    # Options: the longest default day counts.
    at 276 43
    for y in 256 290; do at 160 "$y"; xdotool key ctrl+a; type "1825"; xdotool key Tab; done
    at 45 43
    for page in notes lendings reminders options about; do
        sleep 0.7
        import -window "$win" "$2/screenshot-$page.png"
        xdotool key ctrl+Tab
    done
    kill $pid
' _ "$work" "$out"
echo "Saved $out/screenshot-main.png and one screenshot of each page"
