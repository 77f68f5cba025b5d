#!/usr/bin/env bash
# Checks that the C++ sources follow .clang-format; names the files that do not and the command
# that formats them.
#   scripts/check_format.sh
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
mapfile -t unformatted < <(clang-format --dry-run "${files[@]}" 2>&1 |
    sed -n -E 's/^([^ :]+):[0-9]+:[0-9]+: (warning|error): code should be clang-formatted.*/\1/p' |
    sort -u)
[ ${#unformatted[@]} -eq 0 ] && exit 0
printf '  %s\n' "${unformatted[@]}"
echo "check_format: these files do not follow .clang-format; to format them:"
echo "  clang-format -i ${unformatted[*]}"
exit 1
