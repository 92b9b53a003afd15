#!/usr/bin/env python3
"""Writes the demo collection: a few Game Boy ROM files whose cartridge
headers show what the launcher reads from a header, and their pictures.

Usage: python3 demo/make-demo.py OUTPUT_FOLDER [PICTURE_FOLDER]

The ROMs are headers only: the code area is left zero, so no emulator will
run them. Each has a title, the logo every licensed cartridge carries and a
valid header checksum, so the launcher finds no header damaged.
The pictures (drawn by resources/draw-pictures.py) are copied into
OUTPUT_FOLDER/images/, where the launcher looks for them when it is started
in OUTPUT_FOLDER.
"""
import os
import shutil
import sys

ROM_BYTES = 32 * 1024
HEADER_END = 0x150
# The logo at 0x104-0x133 that the Game Boy's boot compares before it starts
# a cartridge (as the public hardware documentation prints it).
LOGO = bytes([
    0xCE, 0xED, 0x66, 0x66, 0xCC, 0x0D, 0x00, 0x0B, 0x03, 0x73, 0x00, 0x83, 0x00, 0x0C, 0x00, 0x0D,
    0x00, 0x08, 0x11, 0x1F, 0x88, 0x89, 0x00, 0x0E, 0xDC, 0xCC, 0x6E, 0xE6, 0xDD, 0xDD, 0xD9, 0x99,
    0xBB, 0xBB, 0x67, 0x63, 0x6E, 0x0E, 0xEC, 0xCC, 0xDD, 0xDC, 0x99, 0x9F, 0xBB, 0xB9, 0x33, 0x3E,
])

# File name, title, CGB flag, SGB flag, cartridge type, ROM size code,
# destination code, file length.
ROMS = [
    ("Demo Puzzle (World).gb", "DEMO PUZZLE", 0x00, 0x00, 0x00, 0x00, 0x01, ROM_BYTES),
    ("Demo Star Racer (USA, Europe) (SGB Enhanced).gb", "STAR RACER", 0x00, 0x03, 0x01, 0x05, 0x01, ROM_BYTES),
    ("Demo Colour Quest (Japan).gbc", "COLOUR QUEST", 0x80, 0x00, 0x19, 0x07, 0x00, ROM_BYTES),
    ("Demo Night Lights (USA).gbc", "NIGHT LIGHTS", 0xC0, 0x00, 0x19, 0x04, 0x01, ROM_BYTES),
    ("Demo Border Bash (Europe).sgb", "BORDER BASH", 0x00, 0x03, 0x01, 0x0A, 0x01, ROM_BYTES),
    # The whole cartridge header, but shorter than the 400 bytes the launcher reads.
    ("Demo Cut Short (World).gb", "CUT SHORT", 0x80, 0x03, 0x00, 0x05, 0x00, HEADER_END),
]


def header_checksum(rom):
    value = 0
    for byte in rom[0x134:0x14D]:
        value = (value - byte - 1) & 0xFF
    return value


def make_rom(title, cgb, sgb, cartridge, size, destination, length):
    rom = bytearray(max(length, HEADER_END))
    rom[0x104:0x134] = LOGO
    name = title.encode("ascii")
    assert len(name) <= 15 and name == name.upper()
    rom[0x134:0x134 + len(name)] = name
    rom[0x143] = cgb
    rom[0x144:0x146] = b"00"  # new licensee code: none
    rom[0x146] = sgb
    rom[0x147] = cartridge
    rom[0x148] = size
    rom[0x149] = 0x00  # no cartridge RAM
    rom[0x14A] = destination
    rom[0x14B] = 0x33  # old licensee code: see the new one
    rom[0x14C] = 0x00  # version
    rom[0x14D] = header_checksum(rom)
    total = sum(rom[:0x14E]) + sum(rom[HEADER_END:])
    rom[0x14E:0x150] = (total & 0xFFFF).to_bytes(2, "big")
    return bytes(rom[:length])


def write_if_changed(path, data):
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return
    except OSError:
        pass
    with open(path, "wb") as f:
        f.write(data)


def main(argv):
    if len(argv) not in (2, 3):
        sys.exit(__doc__)
    output = argv[1]
    os.makedirs(output, exist_ok=True)
    for name, *fields in ROMS:
        write_if_changed(os.path.join(output, name), make_rom(*fields))
    if len(argv) == 3:
        images = os.path.join(output, "images")
        os.makedirs(images, exist_ok=True)
        for picture in sorted(os.listdir(argv[2])):
            shutil.copyfile(os.path.join(argv[2], picture), os.path.join(images, picture))


if __name__ == "__main__":
    main(sys.argv)
