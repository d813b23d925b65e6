#!/usr/bin/python3
"""Draws the program's pictures into this directory.

Run it again only to change a picture (Debian's python3-pil); the files it
writes are kept in the repository and the build embeds them as byte arrays.
`make_pictures.py DIR` writes them into DIR instead (a test compares the two).

The pictures drawn on controls come at three scales, for displays at 100 %,
150 % and 200 %: name.png, name@1.5x.png and name@2x.png. Each is drawn at
its own size, so none of them is a blurred copy of another.

One palette for all of them: a calm steel blue, white glyphs on the title bar,
near-black arrows on the controls.
"""
import io
import math
import random
import struct
import sys
from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter

HERE = Path(__file__).resolve().parent
OUT = Path(sys.argv[1]) if len(sys.argv) > 1 else HERE
SCALE = 8  # supersampling factor for the antialiased shapes
# The display scales the control pictures are drawn at, with their file suffixes.
SCALES = ((1, ""), (1.5, "@1.5x"), (2, "@2x"))

BLUE_DARK = (38, 78, 122)
BLUE_MID = (86, 134, 178)
BLUE_LIGHT = (222, 233, 242)
ACCENT = (43, 92, 138)
ARROW = (32, 32, 32, 255)
GLYPH = (255, 255, 255, 255)
SHADOW = (0, 0, 0, 110)


def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def save_png(image, name):
    image.save(OUT / name, "PNG", optimize=True)


def scaled_name(name, suffix):
    stem, dot, ext = name.rpartition(".")
    return f"{stem}{suffix}{dot}{ext}"


def px(length, k):
    """A length of the 100 % picture at scale k, rounded half up as the
    program rounds its metrics."""
    return int(length * k + 0.5)


def supersampled(width, height, draw_fn, k=1):
    """Draws at SCALE times the size and scales down, which antialiases
    slanted and round edges. Coordinates are given in pixels of the 100 %
    picture; at scale k the picture is px(width) x px(height)."""
    out_w, out_h = px(width, k), px(height, k)
    big = Image.new("RGBA", (out_w * SCALE, out_h * SCALE), (0, 0, 0, 0))
    draw_fn(ImageDraw.Draw(big), lambda v: round(v * k * SCALE))
    return big.resize((out_w, out_h), Image.LANCZOS)


def with_shadow(glyph, k=1):
    """The title glyphs sit on the background picture: a soft dark copy one
    pixel (at 100 %) lower keeps them legible on light parts of it."""
    alpha = glyph.getchannel("A")
    shadow = Image.new("RGBA", glyph.size, SHADOW[:3] + (0,))
    shadow.putalpha(alpha.point(lambda a: a * SHADOW[3] // 255))
    out = Image.new("RGBA", glyph.size, (0, 0, 0, 0))
    out.alpha_composite(shadow, (0, px(1, k)))
    out.alpha_composite(glyph)
    return out


# Background: 1440 x 900 JPEG, stretched over the whole client area.

def background():
    width, height = 1440, 900
    image = Image.new("RGB", (width, height))
    pixels = image.load()
    for y in range(height):
        t = y / (height - 1)
        # Deeper at the top where the title bar sits, light below for the controls.
        if t < 0.12:
            colour = lerp(BLUE_DARK, BLUE_MID, t / 0.12)
        else:
            colour = lerp(BLUE_MID, BLUE_LIGHT, min(1.0, (t - 0.12) / 0.45))
        for x in range(width):
            # A faint diagonal drift keeps large areas from looking flat.
            d = math.sin((x * 0.6 + y) / 260.0) * 4
            pixels[x, y] = tuple(max(0, min(255, round(c + d))) for c in colour)
    # Soft light circles, blurred well out of focus.
    glow = Image.new("L", (width, height), 0)
    draw = ImageDraw.Draw(glow)
    rng = random.Random(1440900)
    for _ in range(14):
        r = rng.randint(60, 220)
        cx = rng.randint(0, width)
        cy = rng.randint(140, height)
        draw.ellipse((cx - r, cy - r, cx + r, cy + r), fill=rng.randint(18, 42))
    glow = glow.filter(ImageFilter.GaussianBlur(40))
    white = Image.new("RGB", (width, height), (255, 255, 255))
    image = Image.composite(white, image, glow)
    image.save(OUT / "background.jpg", "JPEG", quality=86, optimize=True)


# Window icon: one icon file carrying the sizes a Windows icon carries (16,
# 20, 24, 32, 40, 48, 64 and 256) beside the 128 x 128 image it has always
# had, each drawn at its own size; the system and the title bar pick the one
# a scale needs. 32-bit BMP entries, the 256 one PNG-compressed as Windows
# keeps it; the 128 one first, byte for byte what it was.
ICON_SIZES = (128, 16, 20, 24, 32, 40, 48, 64, 256)


def icon_image(size=128):
    def draw(d, s):
        # Rounded tile with a vertical blue gradient.
        tile = Image.new("RGBA", d._image.size, (0, 0, 0, 0))
        grad = Image.new("RGBA", tile.size)
        gd = ImageDraw.Draw(grad)
        for y in range(tile.size[1]):
            gd.line([(0, y), (tile.size[0], y)],
                    fill=lerp((74, 144, 217), (30, 78, 140), y / tile.size[1]) + (255,))
        mask = Image.new("L", tile.size, 0)
        ImageDraw.Draw(mask).rounded_rectangle((s(4), s(4), s(124), s(124)), radius=s(26), fill=255)
        tile.paste(grad, (0, 0), mask)
        d._image.alpha_composite(tile)
        # Click ripples around the pointer's tip.
        tip = (50, 42)
        for radius, alpha in ((16, 200), (27, 130), (38, 70)):
            d.arc((s(tip[0] - radius), s(tip[1] - radius), s(tip[0] + radius), s(tip[1] + radius)),
                  start=190, end=350, fill=(190, 235, 255, alpha), width=s(4))
        # The pointer: a white arrow with a dark outline.
        arrow = [(50, 42), (50, 100), (63, 87), (73, 110), (83, 105), (73, 83), (91, 83)]
        points = [(s(x), s(y)) for x, y in arrow]
        d.polygon(points, fill=(255, 255, 255, 255))
        d.line(points + [points[0]], fill=(20, 40, 70, 255), width=s(3), joint="curve")

    return supersampled(128, 128, draw, size / 128)


def icon_bmp_entry(image):
    """A 32-bit BMP icon entry: header, colour rows and mask rows, bottom up."""
    width, height = image.size
    rgba = image.convert("RGBA")
    xor = bytearray()
    for y in range(height - 1, -1, -1):  # bottom-up rows
        for x in range(width):
            r, g, b, a = rgba.getpixel((x, y))
            xor += bytes((b, g, r, a))
    mask_stride = ((width + 31) // 32) * 4
    mask = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray(mask_stride)
        for x in range(width):
            if rgba.getpixel((x, y))[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    return header + xor + mask


def icon_png_entry(image):
    out = io.BytesIO()
    image.save(out, "PNG", optimize=True)
    return out.getvalue()


def write_icon():
    entries = []
    for size in ICON_SIZES:
        image = icon_image(size)
        entries.append((size, icon_png_entry(image) if size >= 256 else icon_bmp_entry(image)))
    assert len(entries[0][1]) == 67624, len(entries[0][1])
    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    table = b""
    for size, data in entries:
        table += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    (OUT / "icon.ico").write_bytes(directory + table + b"".join(data for _, data in entries))


# Title-bar buttons: white glyphs with a soft shadow on a transparent ground.

def title_button(width, height, draw_fn, name):
    for k, suffix in SCALES:
        glyph = supersampled(width, height, draw_fn, k)
        save_png(with_shadow(glyph, k), scaled_name(name, suffix))


def title_buttons():
    w, h = 26, 18
    cx, cy = w / 2, h / 2 - 0.5

    def minimise(d, s):
        d.rectangle((s(cx - 5), s(cy + 3), s(cx + 5), s(cy + 4.6)), fill=GLYPH)

    def maximise(d, s):
        d.rectangle((s(cx - 5), s(cy - 5), s(cx + 5), s(cy + 5)), outline=GLYPH, width=s(1.5))
        d.rectangle((s(cx - 5), s(cy - 5), s(cx + 5), s(cy - 3)), fill=GLYPH)

    def restore(d, s):
        d.rectangle((s(cx - 2), s(cy - 6), s(cx + 6), s(cy + 2)), outline=GLYPH, width=s(1.4))
        d.rectangle((s(cx - 6), s(cy - 2), s(cx + 2), s(cy + 6)), fill=(0, 0, 0, 0))
        d.rectangle((s(cx - 6), s(cy - 2), s(cx + 2), s(cy + 6)), outline=GLYPH, width=s(1.4))
        d.rectangle((s(cx - 6), s(cy - 2), s(cx + 2), s(cy - 0.5)), fill=GLYPH)

    def main_menu(d, s):
        for dy in (-4, 0, 4):
            d.rounded_rectangle((s(cx - 6), s(cy + dy - 0.8), s(cx + 6), s(cy + dy + 0.8)),
                                radius=s(0.8), fill=GLYPH)

    def help_mark(d, s):
        # A question mark: an open arc, a short stem and a dot.
        d.arc((s(cx - 4), s(cy - 6.5), s(cx + 4), s(cy + 1)), start=160, end=400, fill=GLYPH,
              width=s(1.8))
        d.line((s(cx + 2.9), s(cy - 1.1), s(cx), s(cy + 1.2)), fill=GLYPH, width=s(1.8))
        d.line((s(cx), s(cy + 0.8), s(cx), s(cy + 2.6)), fill=GLYPH, width=s(1.8))
        d.ellipse((s(cx - 1.2), s(cy + 4), s(cx + 1.2), s(cy + 6.4)), fill=GLYPH)

    title_button(w, h, help_mark, "help_button.png")
    title_button(w, h, main_menu, "main_menu_button.png")
    title_button(w, h, minimise, "minimise_button.png")
    title_button(w, h, maximise, "maximise_button.png")
    title_button(w, h, restore, "restore_button.png")

    cw = 38
    ccx = cw / 2

    def close(d, s):
        r = 4.6
        for a, b in (((-r, -r), (r, r)), ((-r, r), (r, -r))):
            d.line((s(ccx + a[0]), s(cy + a[1]), s(ccx + b[0]), s(cy + b[1])), fill=GLYPH,
                   width=s(1.8))

    title_button(cw, h, close, "close_button.png")


# Check box: the empty box and the mark drawn over it when checked.

def check_box():
    for k, suffix in SCALES:
        save_png(check_box_at(k), scaled_name("check_box.png", suffix))

        def mark(d2, s):
            d2.line([(s(3.2), s(6.6)), (s(5.6), s(9.2)), (s(10), s(3.6))], fill=ACCENT + (255,),
                    width=s(2), joint="curve")

        save_png(supersampled(13, 13, mark, k), scaled_name("check_mark.png", suffix))


def check_box_at(k):
    """The empty box: a light gradient inside a border of whole pixels, as
    wide as the program's hairlines at that scale (one at 100 %, two at 150 %
    and 200 %), with softened corners."""
    size = px(13, k)
    line = px(1, k)
    box = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(box)
    for y in range(line, size - line):
        colour = lerp((255, 255, 255), (226, 234, 242), (y - line) / (size - 2 * line - 1)) + (255,)
        d.line([(line, y), (size - 1 - line, y)], fill=colour)
    border = (112, 134, 158, 255)
    corner = (112, 134, 158, 120)
    for i in range(line):
        d.line([(line, i), (size - 1 - line, i)], fill=border)
        d.line([(line, size - 1 - i), (size - 1 - line, size - 1 - i)], fill=border)
        d.line([(i, line), (i, size - 1 - line)], fill=border)
        d.line([(size - 1 - i, line), (size - 1 - i, size - 1 - line)], fill=border)
    for x0, y0 in ((0, 0), (size - line, 0), (0, size - line), (size - line, size - line)):
        for y in range(y0, y0 + line):
            for x in range(x0, x0 + line):
                box.putpixel((x, y), corner)
    return box


# Arrows: near-black triangles on a transparent ground, pixel exact.

def arrows():
    """Each row of a triangle is whole pixels: at 100 % the down arrow has rows
    of 7, 5, 3 and 1 pixels; at 150 % rows of 11 down to 1; at 200 % every row
    of the 100 % arrow twice over, twice as wide."""

    def rows_down(k):
        if k == 1:
            return ["#" * w for w in (7, 5, 3, 1)]
        if k == 1.5:
            return ["#" * w for w in (11, 9, 7, 5, 3, 1)]
        return ["#" * (2 * w) for w in (7, 7, 5, 5, 3, 3, 1, 1)]

    def triangle(rows, name, turn):
        width = max(len(r) for r in rows)
        # Rows centred; a row of another parity than the widest leans left.
        grid = [("." * ((width - len(r)) // 2) + r).ljust(width, ".") for r in rows]
        if turn == "up":
            grid = list(reversed(grid))
        elif turn in ("left", "right"):
            grid = ["".join(grid[y][x] for y in range(len(grid))) for x in range(width)]
            if turn == "left":
                grid = [row[::-1] for row in grid]
        image = Image.new("RGBA", (len(grid[0]), len(grid)), (0, 0, 0, 0))
        for y, row in enumerate(grid):
            for x, c in enumerate(row):
                if c == "#":
                    image.putpixel((x, y), ARROW)
        save_png(image, name)

    for k, suffix in SCALES:
        down = rows_down(k)
        triangle(down, scaled_name("combo_arrow.png", suffix), "down")
        triangle(down, scaled_name("arrow_up.png", suffix), "up")
        triangle(down, scaled_name("arrow_down.png", suffix), "down")
        triangle(down, scaled_name("arrow_left.png", suffix), "left")
        triangle(down, scaled_name("arrow_right.png", suffix), "right")


def main():
    background()
    write_icon()
    title_buttons()
    check_box()
    arrows()


if __name__ == "__main__":
    main()
