#!/usr/bin/env bash
# Measures the real Quillbox against two floor programs, each on a virtual X desktop of its own,
# interleaved run by run: the Qt floor (a bare Qt program with a tray icon and N frameless
# windows with an editor each) and the xcb floor (N such windows made with plain xcb, no
# toolkit). Time from exec to all N Stickums on show, peak and settled memory, what each does
# over a minute of idle with one of its editors focused, and at N = 50 and 200 the display
# switch (a left click on the tray icon hides all, the next one shows all again) and the first
# restore of the main window (a right click). Then, with 256 notes on show, the time from a data
# file put in place by a sync tool to its change on show (bench/reload_bench.cpp).
#   ./bench.sh              N = 1, 50, 200, 256, 5 runs each, 60 s of idle per run
#   QB_RUNS=3 QB_IDLE=20 QB_SIZES="1 50" ./bench.sh    a quicker look
#   QB_QUILLBOX=quillbox_caret ./bench.sh               the program with the caret helper made
#                                                       at start-up (bench/caret_startup.cpp)
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
# shellcheck disable=SC2086
qb_install_missing $QB_BUILD_PACKAGES $QB_RUN_PACKAGES

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
cmake --build build-bench -j "$(nproc)" --target quillbox quillbox_caret quillbox_sound floor \
    xcbfloor mapwait make_datafile bench_reload >/dev/null
# Three desktops: the outer one is the Qt floor's, the middle one the xcb floor's, the inner one
# Quillbox's.
# shellcheck disable=SC2016
exec scripts/xsession.sh bash -c 'QB_FLOOR_DISPLAY=$DISPLAY exec scripts/xsession.sh bash -c \
    "QB_XCB_DISPLAY=\$DISPLAY exec scripts/xsession.sh bash -c \"bench/measure.sh && \
    build-bench/bench/bench_reload\""'

