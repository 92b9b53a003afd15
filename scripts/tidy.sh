#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the program's own
# sources, using the compile commands of a build folder (default build-test/,
# the test command's). Fails on any finding.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-test}"
cd "$root"
files=$(ls core/*.cpp platform/*.cpp controls/*.cpp launcher/*.cpp about/*.cpp)
report="$(mktemp)"
trap 'rm -f "$report"' EXIT
printf '%s\n' $files | xargs -P 2 -n 4 clang-tidy -p "$build" --quiet >"$report" 2>&1
status=$?
if [ $status -ne 0 ] || grep -q -E "(error|warning):" "$report"; then
    grep -v -E "^[0-9]+ warnings? generated|^Suppressed [0-9]+ warnings|^Use -header-filter" "$report"
    echo "clang-tidy: findings above"
    exit 1
fi
echo "clang-tidy: clean ($(echo $files | wc -w) files)"
