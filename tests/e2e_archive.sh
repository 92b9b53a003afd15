#!/usr/bin/env bash
# Starts the real launcher under Xvfb on a zipped ROM named as its argument,
# with a stand-in vexa on PATH, and clicks Run: the ROM is unpacked into the
# launcher's cache, and the stand-in gets the unpacked file, whose bytes must
# be the ROM's. The ROM folder is left as it was.
# Usage: e2e_archive.sh path/to/vexa-launcher
set -euo pipefail
launcher="$(realpath "$1")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_server.sh"

work="$(mktemp -d)"
trap 'stop_x_server; rm -rf "$work"' EXIT
mkdir -p "$work/roms" "$work/bin" "$work/config" "$work/cache"
name="Tetris (World) (Rev 1)"
python3 - "$work/rom.gb" "$work/roms/$name.zip" "$name.gb" <<'PY'
import os, sys, zipfile
data = bytearray(os.urandom(65536))
data[0x143], data[0x146], data[0x148], data[0x14A] = 0x80, 0x03, 0x01, 0x00
open(sys.argv[1], "wb").write(data)
with zipfile.ZipFile(sys.argv[2], "w", zipfile.ZIP_DEFLATED) as archive:
    archive.write(sys.argv[1], sys.argv[3])
PY
stand_in_vexa "$work/bin"
before="$(find "$work/roms" -printf "%p %s %m %T@\n" | sort)"

cd "$work"
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work" VEXA_RECORD="$work/record"
export PATH="$work/bin:$PATH"
unset QT_QPA_PLATFORM
start_x_server
"$launcher" "$work/roms/$name.zip" &
pid=$!
wid=$(xdotool search --sync --onlyvisible --name "VExa Tessor" | head -1)
sleep 1
click_run "$wid"
for _ in $(seq 100); do grep -q -- '^--$' "$work/record" 2>/dev/null && break; sleep 0.1; done
kill -TERM $pid
wait $pid || true
stop_x_server

rom="$(grep -B1 -- '^--$' "$work/record" | head -1)"
if [[ ! "$rom" =~ ^"$work/cache/vexa/"[0-9a-f]{32}"/$name.gb"$ ]]; then
    echo "FAIL: the emulator received"
    cat "$work/record" 2>/dev/null || echo "(nothing)"
    exit 1
fi
if ! cmp "$rom" "$work/rom.gb"; then
    echo "FAIL: the unpacked file is not the ROM"
    exit 1
fi
if [ "$(stat -c %a "$work/cache/vexa")" != 700 ]; then
    echo "FAIL: the cache folder is not private: $(stat -c %a "$work/cache/vexa")"
    exit 1
fi
if [ "$(find "$work/roms" -printf "%p %s %m %T@\n" | sort)" != "$before" ]; then
    echo "FAIL: the ROM folder changed"
    exit 1
fi
echo "PASS: the zipped ROM named as the argument was unpacked into the cache and started: $rom"
