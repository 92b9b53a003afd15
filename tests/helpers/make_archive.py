#!/usr/bin/env python3
"""Makes archives for the tests, sound or hostile, by kind:
make_archive.py KIND PATH [KIND PATH ...]. ROM entries hold a small
header-shaped ROM."""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zipfile

MB = 1024 * 1024


def rom(size=32768, cgb=0x80):
    data = bytearray(b"\x11" * size)
    data[0x143], data[0x146], data[0x148], data[0x14A] = cgb, 0x03, 0x01, 0x00
    return bytes(data)


def plain_zip(path, entries):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, data in entries:
            archive.writestr(name, data)


def unix_entry(archive, name, mode, data):
    info = zipfile.ZipInfo(name)
    info.create_system = 3
    info.external_attr = mode << 16
    archive.writestr(info, data)


def bsdtar(path, fmt, options, files):
    folder = tempfile.mkdtemp()
    try:
        for name, data in files:
            with open(os.path.join(folder, name), "wb") as out:
                out.write(data)
        subprocess.run(["bsdtar", "-c", "-f", os.path.abspath(path), "--format", fmt] + options
                       + ["-C", folder] + [name for name, _ in files], check=True)
    finally:
        shutil.rmtree(folder)


def make(kind, path):
    if kind == "one":
        plain_zip(path, [("Tetris (World).gb", rom())])
    elif kind == "several":
        plain_zip(path, [("readme.txt", b"hello"), ("b/Second.GBC", rom()), ("First.gb", rom(cgb=0xC0))])
    elif kind == "none":
        plain_zip(path, [("readme.txt", b"hello")])
    elif kind == "sevenz":
        bsdtar(path, "7zip", [], [("Seven.gb", rom())])
    elif kind in ("climb", "absolute", "drive", "backslash"):
        name = {"climb": "../Escape.gb", "absolute": "/tmp/Absolute.gb", "drive": "C:Drive.gb",
                "backslash": "a\\..\\..\\Back.gb"}[kind]
        with zipfile.ZipFile(path, "w") as archive:
            info = zipfile.ZipInfo("x")
            # ZipInfo cleans the name it is made with; this one goes in as it is.
            info.filename = name
            archive.writestr(info, rom())
            archive.writestr("Good.gb", rom())
    elif kind == "link":
        with zipfile.ZipFile(path, "w") as archive:
            unix_entry(archive, "Link.gb", 0o120777, b"/etc/passwd")
    elif kind == "device":
        with zipfile.ZipFile(path, "w") as archive:
            unix_entry(archive, "Device.gb", 0o020644, b"")
    elif kind == "large":
        plain_zip(path, [("Large.gb", bytes(17 * MB))])
    elif kind == "bomb":
        # A few KB that unpack to 64 MB, the sizes in both headers claiming 32 KB.
        plain_zip(path, [("Bomb.gb", bytes(64 * MB))])
        data = bytearray(open(path, "rb").read())
        local = data.find(b"PK\x03\x04")
        struct.pack_into("<I", data, local + 22, 32768)
        central = data.find(b"PK\x01\x02")
        struct.pack_into("<I", data, central + 24, 32768)
        open(path, "wb").write(data)
    elif kind == "encrypted":
        bsdtar(path, "zip", ["--options", "zip:encryption=traditional", "--passphrase", "secret"], [("Secret.gb", rom())])
    elif kind == "many":
        with zipfile.ZipFile(path, "w", zipfile.ZIP_STORED) as archive:
            for index in range(10001):
                archive.writestr("e%05d.txt" % index, b"")
            archive.writestr("Late.gb", rom())
    elif kind == "full":
        with zipfile.ZipFile(path, "w", zipfile.ZIP_STORED) as archive:
            for index in range(9999):
                archive.writestr("e%05d.txt" % index, b"")
            archive.writestr("Last.gb", rom())
    elif kind in ("solid", "solid-small"):
        # One solid block: reaching the ROM unpacks the zeros ahead of it.
        bsdtar(path, "7zip", [], [("Zeros.bin", bytes((65 if kind == "solid" else 20) * MB)), ("Rom.gb", rom())])
    elif kind in ("empties", "long-names"):
        # 9,999 empty ROM entries; or 1,000 whose names are 3.8 KB long (folders 250 bytes each deep).
        folder = tempfile.mkdtemp()
        try:
            deep = os.path.join(*(["d" * 250] * 15)) if kind == "long-names" else ""
            os.makedirs(os.path.join(folder, deep), exist_ok=True)
            for index in range(1000 if kind == "long-names" else 9999):
                open(os.path.join(folder, deep, "e%05d.gb" % index), "wb").close()
            subprocess.run(["bsdtar", "-c", "-f", os.path.abspath(path), "--format", "7zip", "-C", folder, "."],
                           check=True)
        finally:
            shutil.rmtree(folder)
    elif kind == "escapes":
        # Refused entries whose names would drive a terminal: a title change and a colour.
        with zipfile.ZipFile(path, "w") as archive:
            for name in ("../\x1b]0;owned\x07Title.gb", "/tmp/\x1b[31mRed.gb"):
                info = zipfile.ZipInfo("x")
                info.filename = name
                archive.writestr(info, rom())
            archive.writestr("Plain.gb", rom())
    elif kind == "streamed":
        # Written as a stream, each entry's sizes following its data, and cut
        # before the central directory: nothing says how long an entry is.
        class Stream:
            def __init__(self, out):
                self.out = out
            def write(self, data):
                return self.out.write(data)
            def flush(self):
                self.out.flush()
        with open(path, "wb") as out, zipfile.ZipFile(Stream(out), "w", zipfile.ZIP_DEFLATED) as archive:
            archive.writestr("Zeros.bin", bytes(65 * MB))
            archive.writestr("Rom.gb", rom())
        data = open(path, "rb").read()
        open(path, "wb").write(data[: data.find(b"PK\x01\x02")])
    elif kind == "truncated":
        plain_zip(path, [("Cut.gb", os.urandom(200000))])
        data = open(path, "rb").read()
        open(path, "wb").write(data[: len(data) // 2])
    elif kind == "corrupt":
        with zipfile.ZipFile(path, "w", zipfile.ZIP_STORED) as archive:
            archive.writestr("Corrupt.gb", os.urandom(262144))
        data = bytearray(open(path, "rb").read())
        for offset in range(100000, 100064):
            data[offset] ^= 0x5A
        open(path, "wb").write(data)
    elif kind == "disguised":
        with open(path, "wb") as out:
            out.write(b"this is a text file, not an archive\n" * 10)
    else:
        sys.exit("unknown kind " + kind)


for index in range(1, len(sys.argv) - 1, 2):
    make(sys.argv[index], sys.argv[index + 1])
