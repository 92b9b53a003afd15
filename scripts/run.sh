#!/usr/bin/env bash
# Installs what is missing, builds, and starts the launcher in the current folder
# (the launcher looks for images/ there).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/setup.sh"
VEXA_BUILD_TARGET=vexa-launcher bash "$root/scripts/build.sh" -DVEXA_WERROR=OFF
exec "${VEXA_BUILD_DIR:-$root/build}/vexa-launcher"
