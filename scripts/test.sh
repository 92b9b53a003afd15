#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every
# test headless.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/setup.sh" test
bash "$root/scripts/build.sh" -DVEXA_WERROR=ON
cd "${VEXA_BUILD_DIR:-$root/build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2
