#!/usr/bin/env bash
# Installs what is missing, builds Quillbox and runs every test.
#   ./test.sh          all tests (unit, widget, sanitizer, X11 session)
#   ./test.sh --bench  the benchmarks as well
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
# shellcheck disable=SC2086
qb_install_missing $QB_BUILD_PACKAGES $QB_RUN_PACKAGES $QB_TEST_PACKAGES

jobs=$(nproc)
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

echo "== Build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQB_WERROR=$werror >/dev/null
cmake --build build -j "$jobs"

echo "== Model and storage under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQB_CORE_ONLY=ON -DQB_SANITIZE=ON \
    -DQB_WERROR=$werror >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest --output-on-failure -j "$jobs")

echo "== Tests"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" -LE x11)

if (cd build && ctest -N -L x11 | grep -q 'Total Tests: [1-9]'); then
    echo "== Tests on a virtual X11 desktop"
    scripts/xsession.sh bash -c 'cd build && ctest --output-on-failure -L x11'
fi

if [ "${1:-}" = "--bench" ]; then
    echo "== Benchmarks"
    for b in build/bench/bench_*; do [ -x "$b" ] && "$b"; done
fi
