#!/usr/bin/env bash
# Installs what is missing, builds Quillbox and starts it. Without a DISPLAY it starts on a
# virtual desktop of its own (Xvfb, openbox, trayer) and says how to look at it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
# shellcheck disable=SC2086
qb_install_missing $QB_BUILD_PACKAGES $QB_RUN_PACKAGES
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
if [ -n "${DISPLAY:-}" ]; then
    exec build/app/quillbox
fi
echo "No DISPLAY: starting Quillbox on a virtual desktop."
exec scripts/xsession.sh scripts/on-virtual-desktop.sh build/app/quillbox
