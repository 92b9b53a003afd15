#!/usr/bin/env bash
# Configures and builds into build/ (or $VEXA_BUILD_DIR); extra arguments go to
# cmake. $VEXA_BUILD_TARGET names one target to build instead of all.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VEXA_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build" -j 2 ${VEXA_BUILD_TARGET:+--target "$VEXA_BUILD_TARGET"}
