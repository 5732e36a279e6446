#!/usr/bin/env python3
"""Draws the list control's own bitmaps and icon and writes them next to this script.

    python3 resources/list/make_resources.py

Pixel art is kept as text below, one character per pixel, so a change is a
reviewable diff. Output is deterministic: running the script again on an
unchanged file reproduces the committed files byte for byte.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# --- palettes (R, G, B); '.' in the 32-bit icon is fully transparent ---------------------
BOX = {
    ' ': (255, 255, 255),  # inside of the box, also the cell background of the strip
    'F': (120, 163, 195),  # frame, the list's default border colour
    'f': (205, 211, 222),  # inner bevel, the default header colour
    'V': (38, 98, 160),    # check mark
    'v': (128, 168, 208),  # check mark edge
    'G': (62, 150, 12),    # play arrow
    'g': (150, 210, 110),  # play arrow edge
}

EMPTY_BOX = [
    "FFFFFFFFFFFFF",
    "Fffffffffffff",
    "Ff          F",
    "Ff          F",
    "Ff          F",
    "Ff          F",
    "Ff          F",
    "Ff          F",
    "Ff          F",
    "Ff          F",
    "Ff          F",
    "Ff          F",
    "FFFFFFFFFFFFF",
]

PLAY_BOX = [
    "FFFFFFFFFFFFF",
    "Fffffffffffff",
    "Ff          F",
    "Ff  g       F",
    "Ff  GGg     F",
    "Ff  GGGGg   F",
    "Ff  GGGGGGg F",
    "Ff  GGGGg   F",
    "Ff  GGg     F",
    "Ff  g       F",
    "Ff          F",
    "Ff          F",
    "FFFFFFFFFFFFF",
]

CHECKED_BOX = [
    "FFFFFFFFFFFFF",
    "Fffffffffffff",
    "Ff          F",
    "Ff        v F",
    "Ff       vV F",
    "Ff  v   vVv F",
    "Ff  Vv vVv  F",
    "Ff  vVvVv   F",
    "Ff   vVv    F",
    "Ff    v     F",
    "Ff          F",
    "Ff          F",
    "FFFFFFFFFFFFF",
]

# The play row marker drawn when check boxes are off: 12 x 12 with alpha.
ICON = {
    '.': (0, 0, 0, 0),
    'D': (40, 120, 8, 255),
    'G': (83, 183, 18, 255),
    'L': (170, 225, 120, 255),
    'd': (40, 120, 8, 110),
}
PLAY_ICON = [
    "............",
    "..Dd........",
    "..DLDd......",
    "..DGLGDd....",
    "..DGGGLGDd..",
    "..DGGGGGGGD.",
    "..DGGGGGGGD.",
    "..DGGGGGDd..",
    "..DGGGDd....",
    "..DGDd......",
    "..Dd........",
    "............",
]

# Toolbox picture: a little list with a header band and two columns.
TOOL = {
    '.': (192, 192, 192),
    'K': (64, 64, 64),
    'H': (205, 211, 222),
    'B': (120, 163, 195),
    ' ': (255, 255, 255),
    'a': (234, 246, 250),
    'S': (98, 148, 204),
    't': (76, 97, 143),
    'w': (255, 255, 255),
    'G': (83, 183, 18),
}
TOOLBOX = [
    "................",
    "BBBBBBBBBBBBBBBB",
    "BHHHHHHHHHHHHHKB",
    "BHtHHHtttHtttHKB",
    "BHHHHHHHHHHHHHKB",
    "B   t  ttt  tt B",
    "Baaaaaaaaaaaaa B",
    "BSSwSSwwwwSSwwSB",
    "BSSSSSSSSSSSSSSB",
    "B   t  tttt tt B",
    "Baaaaaaaaaaaaa B",
    "B G t  ttt  tttB",
    "B              B",
    "BBBBBBBBBBBBBBBB",
    "................",
]


def rows_of(art, palette):
    assert len({len(r) for r in art}) == 1, "ragged art"
    return [[palette[c] for c in row] for row in art]


def side_by_side(*images):
    return [sum((img[y] for img in images), []) for y in range(len(images[0]))]


def bmp24(pixels):
    """A bottom-up 24-bit BMP file of the given rows of (R, G, B)."""
    h, w = len(pixels), len(pixels[0])
    stride = (w * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        body += line + bytes(stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(body), 0, 0, 14 + len(info))
    return head + info + bytes(body)


def ico32(pixels):
    """An icon file holding one 32-bit image with alpha and its AND mask."""
    h, w = len(pixels), len(pixels[0])
    xor = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (mask_stride * 8 - 1 - x)
        mask += bits.to_bytes(mask_stride, 'big')
    info = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + bytes(xor) + bytes(mask)
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', w, h, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def write(name, data):
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)
    print(f"{name}: {len(data)} bytes")


def main():
    strip = side_by_side(rows_of(EMPTY_BOX, BOX), rows_of(PLAY_BOX, BOX), rows_of(CHECKED_BOX, BOX))
    assert (len(strip[0]), len(strip)) == (39, 13)
    write('chk.bmp', bmp24(strip))

    icon = ico32(rows_of(PLAY_ICON, ICON))
    assert len(icon) == 686, len(icon)
    write('playicon.ico', icon)

    tool = rows_of(TOOLBOX, TOOL)
    assert (len(tool[0]), len(tool)) == (16, 15)
    write('toolbox.bmp', bmp24(tool))


if __name__ == '__main__':
    main()
