#!/usr/bin/env bash
# Installs what is missing, builds Quillbox and runs every test.
#   ./test.sh          all tests: unit and widget tests, the same under AddressSanitizer,
#                      UndefinedBehaviorSanitizer and LeakSanitizer, the data-file fuzzer,
#                      and the tests on a virtual X11 desktop
#   ./test.sh --quick  the formatting, layer and script checks, the build, the unit and widget
#                      tests, and clang-tidy on the program files the branch changed: a couple
#                      of minutes, for day-to-day work
#   ./test.sh --bench  everything, then the benchmarks
# QB_FUZZ_SECONDS sets how long the data-file fuzzer runs (default 60). CI=true makes warnings
# errors.
set -euo pipefail
cd "$(dirname "$0")"
quick=false
bench=false
case "${1:-}" in
--quick) quick=true ;;
--bench) bench=true ;;
"") ;;
*) echo "usage: ./test.sh [--quick | --bench]" >&2; exit 2 ;;
esac
source scripts/packages.sh
if $quick; then
    # shellcheck disable=SC2086
    qb_install_missing $QB_BUILD_PACKAGES $QB_UNIT_TEST_PACKAGES
else
    # shellcheck disable=SC2086
    qb_install_missing $QB_BUILD_PACKAGES $QB_RUN_PACKAGES $QB_TEST_PACKAGES
fi

# The tests check the program's English texts; the one that runs a German session sets its own.
export LC_ALL=C.UTF-8
unset LANGUAGE
jobs=$(nproc)
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
# Builds go through ccache where it is installed: a run after a small change compiles little.
launcher=""
command -v ccache >/dev/null && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
# Paths below the checkout are hashed relative to it, so another checkout of the same sources
# (CI's, a worktree) finds what this one compiled.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true

# Each phase's heading says how long the run has taken so far, to see where the time goes.
phase() { echo "== [$((SECONDS / 60))m$((SECONDS % 60))s] $*"; }

phase "Formatting, the layers' include rules and the scripts"
scripts/check_format.sh
scripts/check_layers.sh
git ls-files -z '*.sh' | xargs -0 shellcheck -x -P SCRIPTDIR

phase "Build"
qb_configure_build -DQB_WERROR=$werror $launcher
cmake --build build -j "$jobs"

phase "Tests"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" -LE x11)
if $quick; then
    phase "clang-tidy on the program files this branch changed"
    scripts/check_tidy.sh
    phase "Done"
    exit 0
fi

# The builds with the sanitizers and for the fuzzer, at a lower priority, while the tests on a
# virtual X11 desktop (built in build/ only) mostly wait for windows.
phase "Tests on a virtual X11 desktop; meanwhile the builds with AddressSanitizer and" \
    "UndefinedBehaviorSanitizer (build-asan/) and of the data-file reader under libFuzzer" \
    "(build-fuzz/), their output in build-asan/builds.log"
mkdir -p build-asan
setsid nice -n 10 bash -c "set -e
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG='-O1 -g1' \
        -DQB_SANITIZE=ON -DQB_BENCH=OFF -DQB_X11_TESTS=OFF -DQB_WERROR=$werror $launcher
    cmake --build build-asan -j $jobs
    cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQB_CORE_ONLY=ON -DQB_SANITIZE=ON -DQB_FUZZ=ON -DQB_BENCH=OFF $launcher
    cmake --build build-fuzz -j $jobs --target datafile_fuzz make_seeds" >build-asan/builds.log 2>&1 &
builds=$!
trap 'kill -- -"$builds" 2>/dev/null || true' EXIT
# One test at a time on the desktop (the lock xsession); the two machines kept in step by
# Syncthing, on displays of their own, meanwhile.
scripts/xsession.sh bash -c "cd build && ctest --output-on-failure -L x11 -j $jobs"
wait "$builds" ||
    { tail -n 40 build-asan/builds.log; echo "The sanitizers' builds failed (see above)"; exit 1; }

phase "Tests under the sanitizers; the data-file reader under libFuzzer meanwhile" \
    "(${QB_FUZZ_SECONDS:-60} s)"
mkdir -p build-fuzz/corpus
build-fuzz/tests/storage/make_seeds build-fuzz/corpus
build-fuzz/tests/storage/datafile_fuzz -max_total_time="${QB_FUZZ_SECONDS:-60}" -max_len=4096 \
    -print_final_stats=0 build-fuzz/corpus >build-fuzz/fuzz.log 2>&1 &
fuzzer=$!
trap 'kill "$fuzzer" 2>/dev/null || true' EXIT
(cd build-asan && QT_QPA_PLATFORM=offscreen \
    LSAN_OPTIONS="suppressions=$PWD/../scripts/lsan.supp:print_suppressions=0" \
    ctest --output-on-failure -j "$jobs" -LE x11)

phase "A session of the real program under the sanitizers"
scripts/xsession.sh scripts/leak_session.sh build-asan build
wait "$fuzzer" ||
    { tail -n 40 build-fuzz/fuzz.log; echo "The fuzzer found a fault (see above)"; exit 1; }
trap - EXIT
tail -n 1 build-fuzz/fuzz.log

if $bench; then
    phase "Benchmarks"
    for b in build/bench/bench_*; do [ -x "$b" ] && "$b"; done
fi
phase "Done"
