#!/usr/bin/env bash
# A session of the real program built with the sanitizers, on the current X display: start it
# with three notes, type into a Stickum, stop it with a signal (which saves and ends it as a
# Yes on the quit question would), and let LeakSanitizer check what was left at the end.
# Fails when the sanitizers report anything.
#   scripts/leak_session.sh SANITIZER_BUILD_DIR TOOLS_BUILD_DIR   (the tools: make_datafile)
set -euo pipefail
build=$1
tools=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/app/quillbox" "$work/"
"$tools/bench/make_datafile" "$work/quillbox.dat" 3 2>/dev/null ||
    { echo "leak session: no make_datafile in $tools"; exit 1; }

export ASAN_OPTIONS=detect_leaks=1:exitcode=23
LSAN_OPTIONS=suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0
export LSAN_OPTIONS
"$work/quillbox" 2>"$work/sanitizers.log" &
pid=$!
stickum=""
for _ in $(seq 100); do
    stickum=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Stickum$' 2>/dev/null |
        tail -n 1) && [ -n "$stickum" ] && break
    sleep 0.1
done
[ -n "$stickum" ] || { echo "leak session: no Stickum appeared"; kill "$pid"; exit 1; }
sleep 0.5
xdotool mousemove --window "$stickum" 30 30 click 1 key ctrl+End type ' and tea'
sleep 0.5
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
if [ "$status" -ne 0 ] || grep -q 'Sanitizer' "$work/sanitizers.log"; then
    cat "$work/sanitizers.log"
    echo "leak session: the sanitizers found faults (exit status $status)"
    exit 1
fi
grep -q 'and tea' "$work/quillbox.dat" || { echo "leak session: the typing was not saved"; exit 1; }
echo "leak session: clean"
