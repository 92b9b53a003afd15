#!/usr/bin/env bash
# Builds the Debian packages and runs lintian on them: any error or warning fails.
# Usage: package_lintian.sh build-folder
set -euo pipefail
build="$1"
for tool in lintian cpack; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (bash scripts/setup.sh test installs it)"; exit 77; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
packages=("$work"/*.deb "$work"/*.ddeb)
echo "lintian: ${packages[*]##*/}"
status=0
lintian --fail-on error,warning --display-info "${packages[@]}" > "$work/report" 2>&1 || status=$?
grep -v "running with root privileges" "$work/report" || true
[ "$status" -eq 0 ] || { echo "FAIL: lintian exited $status"; exit 1; }
echo "PASS: lintian reports no error and no warning"
