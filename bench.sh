#!/usr/bin/env bash
# Measures the real Quillbox against the floor program (a bare Qt program with a tray icon and
# N frameless windows with an editor each), each on a virtual X desktop of its own, interleaved
# run by run: time from exec to all N Stickums on show, peak and settled memory, and what each
# does over a minute of idle with one of its editors focused.
#   ./bench.sh              N = 1, 50, 200, 256, 5 runs each, 60 s of idle per run
#   QB_RUNS=3 QB_IDLE=20 QB_SIZES="1 50" ./bench.sh    a quicker look
#   QB_QUILLBOX=quillbox_caret ./bench.sh               the program with the caret helper made
#                                                       at start-up (bench/caret_startup.cpp)
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
# shellcheck disable=SC2086
qb_install_missing $QB_BUILD_PACKAGES $QB_RUN_PACKAGES

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j "$(nproc)" --target quillbox quillbox_caret quillbox_sound floor mapwait \
    make_datafile >/dev/null
# Two desktops: the outer one is the floor's, the inner one Quillbox's.
# shellcheck disable=SC2016
exec scripts/xsession.sh bash -c 'QB_FLOOR_DISPLAY=$DISPLAY exec scripts/xsession.sh bench/measure.sh'

