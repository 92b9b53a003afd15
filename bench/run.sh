#!/usr/bin/env bash
# Builds in release mode and runs every benchmark, printing one table:
# figure, this program, baseline, ratio, target. Start-up is timed through the
# X server; without a DISPLAY the measuring runs under xvfb-run.
# Usage: bash bench/run.sh [seconds the About window stays open, default 10] [start-up rounds, default 25]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VEXA_BENCH_BUILD_DIR:-$root/build-release}"
if [ -z "${VEXA_BENCH_BUILT:-}" ]; then
    # xvfb, xauth and libxcb1-dev come with the test packages.
    bash "$root/scripts/setup.sh" test >&2
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" --target benchmarks -j 2 >&2
fi
if [ -z "${DISPLAY:-}" ]; then
    export VEXA_BENCH_BUILT=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "${BASH_SOURCE[0]}" "$@"
fi

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
rows="$(mktemp)"
trap 'rm -f "$rows"' EXIT
"$build/bench/bench_startup" "$build/vexa-launcher" "$build/bench/startup_bare" "$build/bench/startup_label" \
    "$build/bench/list_folder" "${2:-25}" | grep '^ROW' >> "$rows"
for bench in bench_browse bench_archives bench_archive_gaps bench_launch bench_library bench_search bench_dat; do
    # bench_library needs libssl-dev for its baseline, bench_dat libxml2-dev.
    [ -x "$build/bench/$bench" ] || continue
    "$build/bench/$bench" | grep '^ROW' >> "$rows"
done
"$build/bench/bench_about" "${1:-10}" | grep '^ROW' >> "$rows"

# A click on a ROM on a share with a millisecond a call: a FUSE mirror
# (tests/hungfs.py), where FUSE can be mounted by this user.
share="$(mktemp -d)"
fuse_python=""
for candidate in /usr/bin/python3 python3; do
    if "$candidate" "$root/tests/hungfs.py" --probe 2>/dev/null; then fuse_python="$candidate"; break; fi
done
if [ -n "$fuse_python" ] && [ -r /dev/fuse ] && [ -w /dev/fuse ] && command -v fusermount3 >/dev/null; then
    mkdir -p "$share/source/roms" "$share/source/images" "$share/mount"
    python3 - "$share/source" <<'PYTHON'
import os, struct, sys, zlib
source = sys.argv[1]
rom = bytearray(32768)
rom[0x143], rom[0x148] = 0x80, 0x05
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
rows = b"".join(b"\0" + bytes([200, 40, 40]) * 160 for _ in range(144))
png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 160, 144, 8, 2, 0, 0, 0))
       + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
for name in ("a", "b"):
    open(f"{source}/roms/{name}.gb", "wb").write(rom)
    open(f"{source}/images/{name}.png", "wb").write(png)
# A collection made a while ago, not one changing now.
for folder in ("roms", "images"):
    os.utime(f"{source}/{folder}", (1.7e9, 1.7e9))
PYTHON
    "$fuse_python" "$root/tests/hungfs.py" --delay 1 --log "$share/calls.log" "$share/source" "$share/mount" &
    fuse_pid=$!
    for _ in $(seq 50); do mountpoint -q "$share/mount" && break; sleep 0.1; done
    "$build/bench/bench_share" "$share/mount" "$share/calls.log" | grep '^ROW' >> "$rows" || true
    fusermount3 -u "$share/mount" || kill "$fuse_pid"
    wait "$fuse_pid" || true
else
    echo "bench: no FUSE for this user (fuse3, python3-fusepy): the share rows are left out" >&2
fi
rm -rf "$share"

printf '| %s | %s | %s | %s | %s |\n' figure "this program" baseline ratio target
printf '|---|---|---|---|---|\n'
cut -f2- "$rows" | awk -F'\t' '{ printf "| %s | %s | %s | %s | %s |\n", $1, $2, $3, $4, $5 }'
