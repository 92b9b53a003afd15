#!/usr/bin/env bash
# The committed icons are what resources/draw-pictures.py draws: the scalable
# SVG as written, and a PNG of every size, square, that matches a fresh
# rendering of the drawing (within a small tolerance, for renderer versions).
# Usage: icons.sh resources-folder
set -euo pipefail
resources="$(realpath "$1")"
command -v rsvg-convert >/dev/null || { echo "SKIP: rsvg-convert is not installed (package librsvg2-bin)"; exit 77; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$resources/draw-pictures.py" "$work/"
python3 "$work/draw-pictures.py" icons
python3 - "$resources" "$work" <<'PY'
import os, struct, sys, zlib

committed, fresh = sys.argv[1], sys.argv[2]

def pixels(path):
    """Width, height and RGBA rows of an 8-bit RGBA or RGB PNG, not interlaced."""
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", f"{path} is not a PNG"
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and colour in (2, 6) and interlace == 0, f"{path}: unexpected PNG format"
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    step = 4 if colour == 6 else 3
    raw, rows, previous = zlib.decompress(idat), [], bytearray(width * step)
    stride = width * step
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            a = line[x - step] if x >= step else 0
            b = previous[x]
            c = previous[x - step] if x >= step else 0
            if kind == 1: line[x] = (line[x] + a) & 255
            elif kind == 2: line[x] = (line[x] + b) & 255
            elif kind == 3: line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line if step == 4 else bytearray(
            v for i in range(width) for v in (*line[i * 3:i * 3 + 3], 255)))
        previous = line
    return width, height, rows

failures = []
if open(os.path.join(committed, "vexa.svg")).read() != open(os.path.join(fresh, "vexa.svg")).read():
    failures.append("vexa.svg is not what draw-pictures.py writes")
for size in (16, 24, 32, 48, 64, 128, 256):
    name = f"vexa-{size}.png"
    width, height, mine = pixels(os.path.join(committed, name))
    if (width, height) != (size, size):
        failures.append(f"{name} is {width}x{height}")
        continue
    _, _, theirs = pixels(os.path.join(fresh, name))
    off = sum(1 for a, b in zip(mine, theirs) for i in range(len(a)) if abs(a[i] - b[i]) > 16)
    if off > size * size * 4 // 100:
        failures.append(f"{name}: {off} channel values differ from a fresh rendering of the drawing")
for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
PY
echo "PASS: the scalable icon and the PNGs at 16 to 256 px are the drawing's"
