#!/usr/bin/env python3
"""Draws the four pointer shapes of the list's header gestures and writes them
next to this script as cursor files, plus the resource lines that build the
same pictures into the component as its stand-ins for missing files.

    python3 resources/cursors/make_cursors.py

Each cursor is 32 x 32, 32-bit with alpha (and the matching AND mask, so
systems that ignore alpha still see the shape). Shapes are drawn from a few
primitives so they stay reviewable as code; the output is deterministic.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 32

BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
HEADER = (205, 211, 222, 255)   # the list's default header colour
FRAME = (120, 163, 195, 255)    # the list's default border colour
RED = (200, 32, 32, 255)
DARK = (24, 24, 24, 255)        # the colour of the line a border drag shows

# The usual arrow pointer, tip at (0, 0): 'X' outline, 'o' inside.
ARROW = [
    "X",
    "XX",
    "XoX",
    "XooX",
    "XoooX",
    "XooooX",
    "XoooooX",
    "XooooooX",
    "XoooooooX",
    "XooooooooX",
    "XoooooXXXXX",
    "XooXooX",
    "XoX XooX",
    "XX  XooX",
    "X    XooX",
    "     XooX",
    "      XX",
]


def blank():
    return [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]


def put(img, x, y, c):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        img[y][x] = c


def rect(img, x0, y0, x1, y1, c):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            put(img, x, y, c)


def arrow(img, ox, oy):
    for y, row in enumerate(ARROW):
        for x, ch in enumerate(row):
            if ch == 'X':
                put(img, ox + x, oy + y, BLACK)
            elif ch == 'o':
                put(img, ox + x, oy + y, WHITE)


def header_cell(img, x0, y0, x1, y1):
    """A small header cell: framed, filled with the header colour, a caption stroke."""
    rect(img, x0, y0, x1, y1, FRAME)
    rect(img, x0 + 1, y0 + 1, x1 - 1, y1 - 1, HEADER)
    rect(img, x0 + 4, (y0 + y1) // 2, x1 - 4, (y0 + y1) // 2, FRAME)


def no_sign(img, cx, cy, r, width):
    """A circle with a slash from top left to bottom right, white-edged."""
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = x - cx, y - cy
            d = (dx * dx + dy * dy) ** 0.5
            on_ring = r - width <= d <= r
            on_bar = d <= r and abs(dx - dy) <= width * 0.75
            near = (r - width - 1 <= d <= r + 1) or (d <= r + 1 and abs(dx - dy) <= width * 0.75 + 1)
            if on_ring or on_bar:
                put(img, x, y, RED)
            elif near:
                put(img, x, y, WHITE)


def size_we(img):
    """Two arrow heads pointing away from a dark double line: the column border."""
    cy = 15
    rect(img, 14, 6, 17, 25, WHITE)
    rect(img, 15, 7, 16, 24, DARK)
    for side in (-1, 1):
        tip = 15 + side * 14 if side < 0 else 16 + side * 14
        for k in range(6):  # head: widening towards the bar
            x = tip - side * k
            rect(img, x, cy - k, x, cy + k, BLACK)
            if k > 0:
                rect(img, x, cy - k + 1, x, cy + k - 1, WHITE if k < 5 else BLACK)
        shaft0, shaft1 = (tip - side * 5, 15 - 2) if side < 0 else (16 + 2, tip - side * 5)
        lo, hi = min(shaft0, shaft1), max(shaft0, shaft1)
        rect(img, lo, cy - 2, hi, cy + 2, BLACK)
        rect(img, lo, cy - 1, hi, cy + 1, WHITE)


def move_head():
    img = blank()
    header_cell(img, 10, 19, 30, 28)
    arrow(img, 0, 0)
    return img, (0, 0)


def unmove_head():
    img = blank()
    header_cell(img, 10, 19, 30, 28)
    no_sign(img, 22, 22, 8, 2)
    arrow(img, 0, 0)
    return img, (0, 0)


def not_allowed():
    img = blank()
    no_sign(img, 15, 15, 12, 3)
    return img, (15, 15)


def sizer():
    img = blank()
    size_we(img)
    return img, (15, 15)


def cur_bytes(img, hotspot):
    """One-image .cur: directory, BITMAPINFOHEADER, bottom-up BGRA rows, AND mask."""
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes((b, g, r, a)) for row in reversed(img) for (r, g, b, a) in row)
    mask = b''
    for row in reversed(img):
        bits = 0
        for x, px in enumerate(row):
            if px[3] == 0:
                bits |= 1 << (31 - x)
        mask += struct.pack('>I', bits)  # rows of 32 bits are already 4-byte aligned
    data = header + xor + mask
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, hotspot[0], hotspot[1], len(data), 6 + 16)
    return directory + entry + data


CURSORS = [
    ('movehead.cur', 'MOVEHEAD', move_head),
    ('not.cur', 'NOTALLOWED', not_allowed),
    ('SizeWE.cur', 'SIZEWE', sizer),
    ('unmovehead.cur', 'UNMOVEHEAD', unmove_head),
]


def main():
    lines = ["// The header gestures' cursors, written by make_cursors.py: the stand-ins",
             "// the control shows when a cursor file is missing from the current directory."]
    for name, resource, draw in CURSORS:
        img, hotspot = draw()
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(cur_bytes(img, hotspot))
        # Not NOT: that is an operator to the resource compiler.
        lines.append('%s CURSOR "%s"' % (resource, name))
    with open(os.path.join(HERE, 'cursors.rc'), 'w', newline='\n') as f:
        f.write('\n'.join(lines) + '\n')


if __name__ == '__main__':
    main()
