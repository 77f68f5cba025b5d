#!/usr/bin/env bash
# Takes screenshots of Quillbox's main window on a virtual desktop: docs/screenshot-main.png
# and one of each page, docs/screenshot-<page>.png.
#   scripts/screenshot.sh [BUILD_DIR]     (default: build)
# The program runs from a fresh directory of its own, so it starts as on a first run: main
# window open, no data file.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -x "$build/app/quillbox" ] || { echo "screenshot: build $build/app/quillbox first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/app/quillbox" "$build/app/ding.wav" "$work/"
out=$PWD/docs
mkdir -p docs

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
    xdotool mousemove --window "$win" 60 43 click 1
    for page in notes lendings reminders options about; do
        sleep 0.7
        import -window "$win" "$2/screenshot-$page.png"
        xdotool key ctrl+Tab
    done
    kill $pid
' _ "$work" "$out"
echo "Saved $out/screenshot-main.png and one screenshot of each page"
