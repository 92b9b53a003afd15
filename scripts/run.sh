#!/usr/bin/env bash
# Installs what is missing, builds the launcher and the demo collection into
# build/ (or $VEXA_BUILD_DIR), and starts the launcher in the demo folder: a
# first start (no ROM folder stored yet) lists the demo ROMs and finds their
# pictures in its images/. A stored ROM folder is shown as always; this script
# writes no settings. Arguments go to the launcher, e.g. the full path of a
# ROM to open.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VEXA_BUILD_DIR:-$root/build}"
bash "$root/scripts/setup.sh"
VEXA_BUILD_DIR="$build" VEXA_BUILD_TARGET=demo bash "$root/scripts/build.sh" -DVEXA_WERROR=OFF -DBUILD_TESTING=OFF
cd "$build/demo"
exec "$build/vexa-launcher" "$@"
