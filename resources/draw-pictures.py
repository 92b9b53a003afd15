#!/usr/bin/env python3
"""Draws the launcher's pictures with ImageMagick.

Run from anywhere: python3 resources/draw-pictures.py
Needs ImageMagick (convert) and fonts-liberation. The results are committed,
so building the launcher does not need either.
"""
import os
import struct
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
BOLD = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"

# The classic 16-colour palette the icon is drawn in.
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def convert(*args):
    subprocess.run(["convert", *args], check=True)


def out(name):
    return os.path.join(HERE, name)


def console_mvg(s):
    """The icon's handheld console on a 32-unit grid, scaled by s."""
    def r(x0, y0, x1, y1):
        return f"{x0*s},{y0*s} {x1*s-1},{y1*s-1}"
    return " ".join([
        f"fill white stroke black stroke-width {max(1, s // 2)} roundrectangle {r(6, 1, 26, 31)} {2*s},{2*s}",
        f"stroke none fill purple rectangle {r(8, 3, 24, 16)}",
        f"fill olive rectangle {r(10, 5, 22, 14)}",
        f"fill black rectangle {r(9, 20, 14, 22)}",
        f"fill black rectangle {r(10, 19, 13, 23)}",
        f"fill black rectangle {r(11, 18, 12, 24)}",
        f"fill red circle {19*s},{22*s} {20.5*s},{22*s}",
        f"fill red circle {22.5*s},{19.5*s} {24*s},{19.5*s}",
        f"fill gray rectangle {r(14, 27, 16, 28)}",
        f"fill gray rectangle {r(17, 27, 19, 28)}",
    ])


def write_icon():
    with tempfile.TemporaryDirectory() as tmp:
        pal = os.path.join(tmp, "pal.ppm")
        with open(pal, "wb") as f:
            f.write(b"P6 16 1 255\n" + bytes(c for rgb in PALETTE16 for c in rgb))
        raw = os.path.join(tmp, "icon.rgb")
        convert("-size", "32x32", "xc:none", "-draw", console_mvg(1),
                "-background", "black", "-alpha", "background",
                "-channel", "RGBA", "-separate", "-combine", os.path.join(tmp, "icon.png"))
        convert(os.path.join(tmp, "icon.png"), "-alpha", "extract", "-depth", "8", "gray:" + raw + ".a")
        convert(os.path.join(tmp, "icon.png"), "-alpha", "off", "+dither", "-remap", pal,
                "-depth", "8", "rgb:" + raw)
        rgb = open(raw, "rb").read()
        alpha = open(raw + ".a", "rb").read()
    index = {c: i for i, c in enumerate(PALETTE16)}
    pixels = [index[tuple(rgb[i:i + 3])] for i in range(0, len(rgb), 3)]
    xor = bytearray()
    andmask = bytearray()
    for y in range(31, -1, -1):  # bottom-up rows
        row = pixels[y * 32:(y + 1) * 32]
        xor += bytes((row[x] << 4) | row[x + 1] for x in range(0, 32, 2))
        bits = 0
        for x in range(32):
            bits = (bits << 1) | (1 if alpha[y * 32 + x] < 128 else 0)
        andmask += bits.to_bytes(4, "big")
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, len(xor) + len(andmask), 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE16)
    image = header + palette + bytes(xor) + bytes(andmask)
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 6 + 16)
    with open(out("vexa.ico"), "wb") as f:
        f.write(icondir + entry + image)
    # The same picture for icon themes, and a larger rendering of the drawing.
    convert(out("vexa.ico"), "-strip", "PNG32:" + out("vexa-32.png"))
    convert("-size", "128x128", "xc:none", "-draw", console_mvg(4), "-strip", "PNG32:" + out("vexa-128.png"))


def write_console():
    text = ("-font", BOLD, "-pointsize", "15")
    letters = [("G", "red"), ("A", "orange"), ("M", "yellow"), ("E", "lime"),
               ("B", "cyan"), ("O", "blue"), ("Y", "magenta")]
    draw = []
    x = 42
    for letter, colour in letters:
        draw += ["-fill", colour, "-stroke", "black", "-strokewidth", "0.8",
                 "-annotate", f"+{x}+52", letter]
        x += 11 if letter not in "MO" else 13
    with tempfile.TemporaryDirectory() as tmp:
        static = os.path.join(tmp, "static.png")
        convert("-size", "96x60", "xc:gray60", "-seed", "7", "+noise", "Random",
                "-colorspace", "gray", "-level", "0%,100%", "+level", "50%,78%", static)
        convert("-size", "160x144", "xc:white",
                "-fill", "gray80", "-stroke", "gray30", "-strokewidth", "2",
                "-draw", "roundrectangle 24,4 136,140 10,10",
                "-fill", "gray55", "-stroke", "gray25",
                "-draw", "roundrectangle 32,12 128,80 5,5",
                static, "-geometry", "+34+17", "-compose", "over", "-composite",
                "-stroke", "gray25", "-fill", "none", "-strokewidth", "1",
                "-draw", "rectangle 33,16 127,77",
                *text, *draw,
                "-stroke", "gray20", "-strokewidth", "1", "-fill", "gray20",
                "-draw", "rectangle 44,96 68,104",
                "-draw", "rectangle 52,88 60,112",
                "-fill", "gray45", "-draw", "circle 100,104 106,104",
                "-draw", "circle 116,96 122,96",
                "-fill", "gray60", "-draw", "roundrectangle 64,122 78,126 2,2",
                "-draw", "roundrectangle 84,122 98,126 2,2",
                "-stroke", "gray40", "-draw", "line 104,128 126,118",
                "-draw", "line 108,132 130,122",
                "-type", "TrueColor", "BMP3:" + out("console.bmp"))


def write_run_buttons():
    for name, top, bottom, text in (("runup.jpg", "#d01010", "#700000", "white"),
                                    ("rundown.jpg", "#ff5040", "#b01008", "yellow")):
        convert("-size", "71x19", f"gradient:{top}-{bottom}",
                "-fill", "none", "-stroke", "#400000", "-draw", "rectangle 0,0 70,18",
                "-stroke", "#ff9080", "-draw", "line 1,1 69,1", "-draw", "line 1,1 1,17",
                "-font", BOLD, "-pointsize", "13", "-stroke", "none",
                "-fill", "#300000", "-gravity", "center", "-annotate", "+1+1", "Run",
                "-fill", text, "-annotate", "+0+0", "Run",
                "-strip", "-interlace", "none", "-sampling-factor", "2x2", "-quality", "85",
                "JPEG:" + out(name))


def write_noimage():
    convert("-size", "196x60", "gradient:#ffe600-#fff7a8",
            "(", "-size", "196x61", "gradient:#0a2a4a-#020c18", ")", "-append",
            "-stroke", "#3a6a9a", "-strokewidth", "1",
            "-draw", "line 10,70 60,70", "-draw", "line 90,82 170,82",
            "-draw", "line 30,96 120,96", "-draw", "line 140,108 190,108",
            "-font", BOLD, "-pointsize", "24", "-stroke", "none", "-gravity", "center",
            "-fill", "#5a3a00", "-annotate", "+2+2", "No Image Found",
            "-fill", "#fff0a0", "-annotate", "-1-1", "No Image Found",
            "-fill", "#d4a017", "-annotate", "+0+0", "No Image Found",
            "-type", "TrueColor", "BMP3:" + out("noimage.bmp"))


def write_about_frame():
    w, h, band = 371, 196, 8
    convert("-size", f"{w}x{h}", "xc:#ff00fe",
            "-fill", "#7a3ab0", "-draw", f"rectangle 0,0 {w-1},{h-1}",
            "-fill", "#c08ae8", "-draw", f"polygon 0,0 {w-1},0 {w-1-band},{band} {band},{band} {band},{h-1-band} 0,{h-1}",
            "-fill", "#3e1466", "-draw", f"polygon {w-1},{h-1} 0,{h-1} {band},{h-1-band} {w-1-band},{h-1-band} {w-1-band},{band} {w-1},0",
            "-fill", "#7a3ab0", "-draw", f"rectangle 3,3 {w-4},{h-4}",
            "-fill", "#3e1466", "-draw", f"polygon 3,3 {w-4},3 {w-4-3},6 6,6 6,{h-7} 3,{h-4}",
            "-fill", "#c08ae8", "-draw", f"polygon {w-4},{h-4} 3,{h-4} 6,{h-7} {w-7},{h-7} {w-7},6 {w-4},3",
            "-fill", "#ff00fe", "-draw", f"rectangle {band},{band} {w-1-band},{h-1-band}",
            "-transparent", "#ff00fe", "GIF:" + out("about-frame.gif"))


if __name__ == "__main__":
    write_icon()
    write_console()
    write_run_buttons()
    write_noimage()
    write_about_frame()
