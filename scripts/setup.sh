#!/usr/bin/env bash
# Installs what the launcher needs on Debian or Ubuntu, with apt-get (through
# sudo when not run as root). "run" (the default): what building and running
# takes. "test": also what the tests, the sanitizer and fuzz builds and the
# packaging checks take (libarchive-tools: bsdtar makes the tests' 7z and
# encrypted archives), and what bench/ needs (libxcb1-dev, libxcb-damage0-dev:
# start-up and the first full list are timed through the X server; libssl-dev:
# the SHA-1 of the library benchmark's C baseline; libxml2-dev: the DAT
# import's C baseline; fonts-noto-cjk: the Japanese texts are measured in the
# font that shows them).
# qt6-tools-dev and qt6-l10n-tools compile the translations;
# qt6-translations-l10n holds Qt's own (dialog buttons, the file dialog).
set -euo pipefail

packages=(cmake ninja-build g++ python3 qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev libarchive-dev libsqlite3-dev zlib1g-dev fonts-liberation fonts-dejavu-core)
if [ "${1:-run}" = "test" ]; then
    packages+=(clang libclang-rt-14-dev clang-tidy xvfb xauth xdotool x11-utils
               desktop-file-utils appstream libarchive-tools dpkg-dev debhelper file lintian librsvg2-bin fuse3 python3-fusepy
               libxcb1-dev libxcb-damage0-dev libssl-dev libxml2-dev fonts-noto-cjk)
fi
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} > 0)); then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    echo "Installing: ${missing[*]}"
    # sudo drops the environment: env hands the setting to apt itself.
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi
