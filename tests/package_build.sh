#!/usr/bin/env bash
# Builds the Debian source and binary packages from a copy of the source tree,
# as a distribution would (dpkg-buildpackage, the tests left out), into an
# output folder the other package tests read.
# Usage: package_build.sh source-folder output-folder
set -euo pipefail
source="$(realpath "$1")"
out="$2"
for tool in dpkg-buildpackage dh dpkg-checkbuilddeps; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (bash scripts/setup.sh test installs it)"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$out"
version="$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)"
tree="$out/vexa-launcher-$version"
mkdir -p "$tree"
out="$(realpath "$out")"
# The tree as a clean clone has it: no build folders, no version control.
tar -C "$source" --exclude-vcs --exclude='./build*' --exclude='./obj-*' --exclude=./debian/.debhelper \
    --exclude=./debian/tmp --exclude=./debian/vexa-launcher --exclude=./debian/vexa-launcher-dbgsym -cf - . \
    | tar -C "$tree" -xf -
cd "$tree"
dpkg-checkbuilddeps -Pnocheck || fail "the build dependencies above are missing"
echo "dpkg-buildpackage -us -uc -Pnocheck (DEB_BUILD_OPTIONS=nocheck parallel=2)"
status=0
DEB_BUILD_OPTIONS="nocheck parallel=2" dpkg-buildpackage -us -uc -Pnocheck > "$out/build.log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    tail -n 60 "$out/build.log"
    fail "dpkg-buildpackage exited $status"
fi
# Without the tests, the package build makes the program and nothing of the suite.
builddir=(obj-*)
[ -x "${builddir[0]}/vexa-launcher" ] || fail "no vexa-launcher in ${builddir[0]}"
[ ! -e "${builddir[0]}/tests" ] || fail "the package build configured the test programs"
cd "$out"
rm -rf "$tree"
ls -1 "$out"
grep -E "^dpkg-(genchanges|buildpackage): info" "$out/build.log" || true
echo "PASS: source and binary packages built"
