#!/usr/bin/env python3
"""Draws the launcher's pictures with ImageMagick.

Run from anywhere: python3 resources/draw-pictures.py [group ...]
where a group is one of: icons (the program's icon as a scalable SVG and as
PNGs of every size the desktop asks for), launcher (the other pictures the
windows carry), demo (the game pictures of the demo collection, in
demo/images/). Without a group it draws all three. Needs ImageMagick (convert),
rsvg-convert (librsvg2-bin) and fonts-liberation. The results are committed,
so building the launcher needs none of them.
"""
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
DEMO_IMAGES = os.path.join(HERE, "..", "demo", "images")
# ImageMagick's own convert, not another program of that name earlier on PATH.
CONVERT = "/usr/bin/convert" if os.path.exists("/usr/bin/convert") else shutil.which("convert")
RSVG = shutil.which("rsvg-convert")
BOLD = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"
# The icon's sizes in the desktop's icon theme, in pixels.
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)

# The classic 16-colour palette the icon is drawn in.
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def convert(*args):
    subprocess.run([CONVERT, *args], check=True)


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


def console_svg(outline):
    """The console of console_mvg as SVG on the same 32-unit grid, its outline
    `outline` units wide and kept inside the case."""
    inset = outline / 2
    return "\n".join([
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">',
        f'  <rect x="{6 + inset:g}" y="{1 + inset:g}" width="{20 - outline:g}" height="{30 - outline:g}"'
        f' rx="2" fill="#ffffff" stroke="#000000" stroke-width="{outline:g}"/>',
        '  <rect x="8" y="3" width="16" height="13" fill="#800080"/>',
        '  <rect x="10" y="5" width="12" height="9" fill="#808000"/>',
        '  <path d="M11 18h1v1h1v1h1v2h-1v1h-1v1h-1v-1h-1v-1h-1v-2h1v-1h1z" fill="#000000"/>',
        '  <circle cx="19.5" cy="22.5" r="1.5" fill="#ff0000"/>',
        '  <circle cx="23" cy="20" r="1.5" fill="#ff0000"/>',
        '  <rect x="14" y="27" width="2" height="1" fill="#808080"/>',
        '  <rect x="17" y="27" width="2" height="1" fill="#808080"/>',
        '</svg>',
        ""])


def write_icons():
    """vexa.svg for the scalable icon, and vexa-SIZE.png rendered from the same
    drawing with an outline of at least one pixel at every size."""
    if not RSVG:
        sys.exit("rsvg-convert is missing (package librsvg2-bin)")
    with open(out("vexa.svg"), "w") as f:
        f.write(console_svg(0.5))
    with tempfile.TemporaryDirectory() as tmp:
        for size in ICON_SIZES:
            outline = max(1, round(size / 64)) * 32 / size
            drawing = os.path.join(tmp, f"{size}.svg")
            with open(drawing, "w") as f:
                f.write(console_svg(outline))
            subprocess.run([RSVG, "-w", str(size), "-h", str(size), "-o", out(f"vexa-{size}.png"), drawing],
                           check=True)


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
    # PNG, which the toolkit reads without loading a plug-in at start.
    for name, top, bottom, text in (("runup.png", "#d01010", "#700000", "white"),
                                    ("rundown.png", "#ff5040", "#b01008", "yellow")):
        convert("-size", "71x19", f"gradient:{top}-{bottom}",
                "-fill", "none", "-stroke", "#400000", "-draw", "rectangle 0,0 70,18",
                "-stroke", "#ff9080", "-draw", "line 1,1 69,1", "-draw", "line 1,1 1,17",
                "-font", BOLD, "-pointsize", "13", "-stroke", "none",
                "-fill", "#300000", "-gravity", "center", "-annotate", "+1+1", "Run",
                "-fill", text, "-annotate", "+0+0", "Run",
                "-strip", "-define", "png:exclude-chunks=date,time", "PNG24:" + out(name))


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


# The demo collection's game pictures: title screens at the Game Boy's
# 160x144. A game for the original Game Boy is drawn in its four greens.
DMG = ["#0f380f", "#306230", "#8bac0f", "#9bbc0f"]


def demo_out(name):
    os.makedirs(DEMO_IMAGES, exist_ok=True)
    return os.path.join(DEMO_IMAGES, name)


def title(text, x, y, size, fill, outline):
    return ["-font", BOLD, "-pointsize", str(size), "-stroke", outline, "-strokewidth", "2",
            "-fill", fill, "-annotate", f"+{x}+{y}", text,
            "-stroke", "none", "-annotate", f"+{x}+{y}", text]


def draw_puzzle():
    rng = random.Random(11)
    mvg = [f"fill {DMG[1]} rectangle 12,0 99,143", f"fill {DMG[3]} rectangle 16,0 95,139"]
    heights = [3, 4, 6, 5, 2, 4, 7, 5, 3, 1]
    for column, height in enumerate(heights):
        for row in range(height):
            x, y = 16 + column * 8, 132 - row * 8
            shade = DMG[rng.choice((0, 1, 2))]
            mvg.append(f"fill {DMG[0]} rectangle {x},{y} {x + 7},{y + 7}")
            mvg.append(f"fill {shade} rectangle {x + 1},{y + 1} {x + 6},{y + 6}")
    for x, y in ((40, 36), (48, 36), (56, 36), (48, 44)):  # the falling piece
        mvg.append(f"fill {DMG[0]} rectangle {x},{y} {x + 7},{y + 7}")
        mvg.append(f"fill {DMG[2]} rectangle {x + 2},{y + 2} {x + 5},{y + 5}")
    mvg += [f"fill {DMG[3]} stroke {DMG[0]} rectangle 108,62 151,99",
            f"stroke none fill {DMG[0]}",
            "rectangle 122,80 129,87", "rectangle 130,80 137,87", "rectangle 130,88 137,95"]
    convert("-size", "160x144", f"xc:{DMG[2]}", "-draw", " ".join(mvg),
            *title("DEMO", 106, 22, 13, DMG[3], DMG[0]),
            *title("PUZZLE", 103, 42, 11, DMG[3], DMG[0]),
            "-font", BOLD, "-pointsize", "9", "-fill", DMG[0], "-annotate", "+116+74", "NEXT",
            "-annotate", "+106+118", "SCORE", "-annotate", "+106+132", "004210",
            "-type", "TrueColor", "BMP3:" + demo_out("Demo Puzzle (World).bmp"))


def draw_star_racer():
    rng = random.Random(5)
    mvg = [f"fill {DMG[3]}"]
    for _ in range(40):
        x, y = rng.randrange(160), rng.randrange(60)
        mvg.append(f"point {x},{y}")
    mvg += [f"fill {DMG[1]} polygon 0,64 159,64 159,143 0,143",
            f"fill {DMG[2]} polygon 72,64 88,64 156,143 4,143",
            f"fill {DMG[3]}"]
    for top, bottom in ((68, 74), (82, 92), (102, 118), (128, 143)):
        half_top, half_bottom = 1 + (top - 64) // 12, 1 + (bottom - 64) // 12
        mvg.append(f"polygon {80 - half_top},{top} {80 + half_top},{top} "
                   f"{80 + half_bottom},{bottom} {80 - half_bottom},{bottom}")
    mvg += [f"fill {DMG[0]} roundrectangle 62,112 98,136 4,4",
            f"fill {DMG[1]} rectangle 68,116 92,124",
            f"fill {DMG[3]} rectangle 64,130 70,133", "rectangle 90,130 96,133",
            f"fill {DMG[0]} rectangle 56,128 62,140", "rectangle 98,128 104,140"]
    convert("-size", "160x144", f"xc:{DMG[0]}", "-draw", " ".join(mvg),
            *title("STAR", 46, 30, 22, DMG[3], DMG[1]),
            *title("RACER", 38, 56, 22, DMG[2], DMG[1]),
            "-type", "TrueColor", "BMP3:" + demo_out("Demo Star Racer (USA, Europe) (SGB Enhanced).bmp"))


def draw_colour_quest():
    mvg = ["fill #ffe040 circle 130,26 130,40",
           "fill #58c040 ellipse 30,130 70,50 0,360",
           "fill #40a030 ellipse 130,136 80,52 0,360",
           "fill #b0b0b8 rectangle 62,70 98,112",
           "fill #9090a0 rectangle 56,58 68,112", "rectangle 92,58 104,112",
           "fill #d02838 polygon 54,58 62,42 70,58", "polygon 90,58 98,42 106,58",
           "polygon 60,70 80,50 100,70",
           "fill #402010 roundrectangle 74,92 86,112 5,5",
           "fill #3050c8 rectangle 20,120 26,130", "fill #f0c090 circle 23,116 23,113",
           "fill #c03030 rectangle 18,111 28,113",
           "fill #e8f0ff ellipse 30,30 16,6 0,360", "ellipse 46,26 12,5 0,360"]
    convert("-size", "160x144", "gradient:#4090f0-#c0e8ff", "-draw", " ".join(mvg),
            *title("COLOUR", 30, 24, 20, "#ff6020", "#601000"),
            *title("QUEST", 44, 140, 18, "#ffe040", "#603000"),
            "-strip", "PNG24:" + demo_out("Demo Colour Quest (Japan).png"))


def draw_night_lights():
    rng = random.Random(3)
    lights = ["#ffe060", "#60f0ff", "#ff60d0", "#a0ff60"]
    mvg = ["fill #f0f0d0 circle 28,24 28,14", "fill #101838 circle 33,21 33,12"]
    for cx, cy, colour in ((112, 30, "#ff60d0"), (70, 46, "#60f0ff")):
        mvg.append(f"stroke {colour} stroke-width 2")
        for step in range(12):
            dx, dy = [(14, 0), (12, 7), (7, 12), (0, 14), (-7, 12), (-12, 7),
                      (-14, 0), (-12, -7), (-7, -12), (0, -14), (7, -12), (12, -7)][step]
            mvg.append(f"line {cx + dx // 3},{cy + dy // 3} {cx + dx},{cy + dy}")
    mvg.append("stroke none")
    x = 0
    while x < 160:
        width, height = rng.randrange(14, 26), rng.randrange(30, 76)
        mvg.append(f"fill #080810 rectangle {x},{143 - height} {x + width - 2},143")
        for wy in range(143 - height + 4, 140, 7):
            for wx in range(x + 3, x + width - 5, 5):
                if rng.random() < 0.45:
                    mvg.append(f"fill {rng.choice(lights)} rectangle {wx},{wy} {wx + 2},{wy + 3}")
        x += width
    convert("-size", "160x144", "gradient:#101838-#40306a", "-draw", " ".join(mvg),
            *title("NIGHT", 52, 80, 20, "#ffe060", "#302000"),
            *title("LIGHTS", 46, 100, 20, "#60f0ff", "#002030"),
            "-strip", "PNG24:" + demo_out("Demo Night Lights (USA).png"))


def draw_border_bash():
    mvg = []
    colours = ["#e03030", "#f0a020", "#30a0e0", "#40c040"]
    for index, x in enumerate(range(0, 160, 16)):
        mvg.append(f"fill {colours[index % 4]} rectangle {x},0 {x + 15},15")
        mvg.append(f"fill {colours[(index + 2) % 4]} rectangle {x},128 {x + 15},143")
    for index, y in enumerate(range(16, 128, 16)):
        mvg.append(f"fill {colours[(index + 1) % 4]} rectangle 0,{y} 15,{y + 15}")
        mvg.append(f"fill {colours[(index + 3) % 4]} rectangle 144,{y} 159,{y + 15}")
    mvg += [f"fill {DMG[3]} rectangle 16,16 143,127"]
    for row, y in enumerate((22, 29, 36)):
        for x in range(20, 140, 15):
            mvg.append(f"fill {DMG[row % 3]} rectangle {x},{y} {x + 12},{y + 4}")
    mvg += [f"fill {DMG[0]} circle 96,88 96,85", f"fill {DMG[1]} rectangle 60,118 92,122"]
    convert("-size", "160x144", "xc:black", "-draw", " ".join(mvg),
            *title("BORDER", 36, 64, 18, DMG[2], DMG[0]),
            *title("BASH", 52, 82, 18, DMG[2], DMG[0]),
            "-strip", "PNG24:" + demo_out("Demo Border Bash (Europe).png"))


def write_demo_pictures():
    # "Demo Cut Short (World).gb" has none: it shows the placeholder.
    draw_puzzle()
    draw_star_racer()
    draw_colour_quest()
    draw_night_lights()
    draw_border_bash()


def write_launcher_pictures():
    write_icon()
    write_console()
    write_run_buttons()
    write_noimage()
    write_about_frame()


if __name__ == "__main__":
    groups = {"icons": write_icons, "launcher": write_launcher_pictures, "demo": write_demo_pictures}
    chosen = sys.argv[1:] or list(groups)
    for group in chosen:
        if group not in groups:
            sys.exit(f"unknown group {group!r}; choose from {', '.join(groups)}")
    for group in chosen:
        groups[group]()
