#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy on the program's source files (not the tests)
# that differ from BASE, by default where the branch left main, or on all of them with --all:
# in parallel, with the build's compile commands (build/compile_commands.json). Prints each
# finding; the exit status says whether any was found. ./test.sh --quick runs it.
#   scripts/check_tidy.sh [--all | BASE]
set -euo pipefail
cd "$(dirname "$0")/.."
sources=('model/*.cpp' 'storage/*.cpp' 'document/*.cpp' 'resources/*.cpp' 'platform/*.cpp'
    'look/*.cpp' 'stickum/*.cpp' 'pages/*.cpp' 'process/*.cpp' 'desktop/*.cpp' 'app/*.cpp')
if [ "${1:-}" = "--all" ]; then
    mapfile -t files < <(git ls-files -- "${sources[@]}")
else
    base=${1:-$(git merge-base HEAD main 2>/dev/null || echo HEAD)}
    mapfile -t files < <(git diff --name-only --diff-filter=d "$base" -- "${sources[@]}")
fi
[ ${#files[@]} -eq 0 ] && exit 0
if ! printf '%s\0' "${files[@]}" |
    xargs -0 -P "$(nproc)" -n 1 clang-tidy -p build --quiet 2>/dev/null; then
    echo "check_tidy: clang-tidy found the above (.clang-tidy lists the checks)"
    exit 1
fi
