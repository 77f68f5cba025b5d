#!/usr/bin/env bash
# Installs what is missing, builds the program (not the tests) and starts it. Without a DISPLAY
# it starts on a virtual desktop of its own (Xvfb, openbox, trayer) and says how to look at it.
# It shares the build folder with test.sh.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
# shellcheck disable=SC2086
qb_install_missing $QB_BUILD_PACKAGES $QB_RUN_PACKAGES
# shellcheck disable=SC2119 # no options beyond the build type
qb_configure_build
cmake --build build -j "$(nproc)" --target quillbox
if [ -n "${DISPLAY:-}" ]; then
    exec build/app/quillbox
fi
echo "No DISPLAY: starting Quillbox on a virtual desktop."
exec scripts/xsession.sh scripts/on-virtual-desktop.sh build/app/quillbox
