#!/usr/bin/env python3
"""Makes a ROM collection for the library's benchmark:
make-library.py FOLDER LOOSE ZIPPED ROM_BYTES
LOOSE plain ROMs and ZIPPED one-ROM zips, spread over nested folders
(fifty files a folder, two levels deep), each ROM with a valid cartridge
header (title, header checksum, global checksum) and bytes of its own, half
of them compressible as a real ROM's are. ROM_BYTES 0x150 makes header-only
files."""
import os
import random
import sys
import zipfile

HEADER_END = 0x150


def make_rom(index, length):
    rng = random.Random(index)
    rom = bytearray(max(length, HEADER_END))
    title = ("GAME %d" % index).encode("ascii")[:15]
    rom[0x134:0x134 + len(title)] = title
    rom[0x143] = (0x00, 0x80, 0xC0)[index % 3]
    rom[0x144:0x146] = b"00"
    rom[0x146] = 0x03 if index % 5 == 0 else 0x00
    rom[0x148] = 0x00
    rom[0x14A] = index % 2
    rom[0x14B] = 0x33
    value = 0
    for byte in rom[0x134:0x14D]:
        value = (value - byte - 1) & 0xFF
    rom[0x14D] = value
    if length > HEADER_END:
        half = (length - HEADER_END) // 2
        rom[HEADER_END:HEADER_END + half] = rng.randbytes(half)
    total = sum(rom[:0x14E]) + sum(rom[HEADER_END:])
    rom[0x14E:0x150] = (total & 0xFFFF).to_bytes(2, "big")
    return bytes(rom[:length])


def folder_of(root, index):
    return os.path.join(root, "Set %02d" % (index // 1000), "Shelf %03d" % (index // 50))


def main():
    root, loose, zipped, length = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4], 0)
    for index in range(loose + zipped):
        folder = folder_of(root, index)
        os.makedirs(folder, exist_ok=True)
        name = "Game %d (World)" % index
        rom = make_rom(index, length)
        if index < loose:
            with open(os.path.join(folder, name + (".gbc" if index % 3 else ".gb")), "wb") as out:
                out.write(rom)
        else:
            with zipfile.ZipFile(os.path.join(folder, name + ".zip"), "w", zipfile.ZIP_DEFLATED) as archive:
                archive.writestr(name + ".gb", rom)


main()
