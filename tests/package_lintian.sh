#!/usr/bin/env bash
# Runs lintian, pedantic, on the source and binary packages package_build.sh
# made: any error or warning fails; informational and pedantic notes are shown.
# Usage: package_lintian.sh package-folder
set -euo pipefail
out="$1"
command -v lintian >/dev/null || { echo "SKIP: lintian is not installed (bash scripts/setup.sh test installs it)"; exit 77; }
changes=("$out"/*.changes)
[ -f "${changes[0]}" ] || { echo "SKIP: no package was built (see package_build)"; exit 77; }
echo "lintian --pedantic: $(sed -n '/^Files:/,$p' "${changes[0]}" | awk 'NF == 5 { print $5 }' | tr '\n' ' ')"
status=0
lintian --pedantic --display-info --fail-on error,warning "${changes[@]}" > "$out/lintian.log" 2>&1 || status=$?
grep -v "running with root privileges" "$out/lintian.log" || true
[ "$status" -eq 0 ] || { echo "FAIL: lintian exited $status"; exit 1; }
echo "PASS: lintian reports no error and no warning"
