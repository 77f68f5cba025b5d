#!/usr/bin/env bash
# Installs what is missing and builds Quillbox. The program itself arrives with the main window.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
# shellcheck disable=SC2086
qb_install_missing $QB_BUILD_PACKAGES $QB_RUN_PACKAGES
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
if [ ! -x build/app/quillbox ]; then
    echo "Quillbox's window is not built yet: only the data library and its tests exist."
    exit 0
fi
exec build/app/quillbox
