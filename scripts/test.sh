#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors into build-test/ (or
# $VEXA_BUILD_DIR), and runs every test headless. Arguments go to ctest, e.g.
# -LE root to leave out the tests that only run as root. The run command
# builds into build/ without warnings as errors: the two folders keep their own
# settings, so running one command after the other rebuilds nothing.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VEXA_BUILD_DIR:-$root/build-test}"
bash "$root/scripts/setup.sh" test
VEXA_BUILD_DIR="$build" bash "$root/scripts/build.sh" -DVEXA_WERROR=ON
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2 "$@"
