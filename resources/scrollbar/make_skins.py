#!/usr/bin/env python3
"""Draws the twelve scroll bar skins and writes them next to this script.

    python3 resources/scrollbar/make_skins.py

Each skin is a strip of state cells, 24 bits per pixel. The painter slices
every cell with 3-pixel borders (corners copied, edges and middle stretched),
so the art keeps its detail inside those borders and is flat where it is
stretched. Magenta is the transparent key of the glyph and grip strips.
Horizontal skins are greys that turn blue when hot or pressed; vertical skins
are light blue. Output is deterministic: an unchanged script reproduces the
committed files byte for byte.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
KEY = (255, 0, 255)


class Image:
    def __init__(self, width, height, fill):
        self.width, self.height = width, height
        self.px = [[fill] * width for _ in range(height)]

    def set(self, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = c

    def rect(self, x0, y0, w, h, c):
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                self.set(x, y, c)

    def bmp(self):
        stride = (self.width * 3 + 3) & ~3
        rows = []
        for y in reversed(range(self.height)):  # bottom-up
            row = b"".join(bytes((b, g, r)) for (r, g, b) in self.px[y])
            rows.append(row + b"\0" * (stride - len(row)))
        data = b"".join(rows)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
        return head + info + data


# --- colour schemes ----------------------------------------------------------------------
# Per scheme: the track (normal, pressed), the thumb per state (fill, outline),
# the button frame per state (fill, outline or None) and the glyph per state.
GREY = {
    "track": [((238, 238, 238), (226, 226, 226)), ((196, 196, 196), (180, 180, 180))],
    "thumb": [((205, 205, 205), (166, 166, 166)),   # normal
              ((196, 222, 246), (88, 146, 214)),    # hot
              ((150, 192, 236), (52, 112, 188)),    # pressed
              ((228, 228, 228), (206, 206, 206))],  # disabled
    "grip": [(128, 128, 128), (52, 112, 188), (30, 80, 150), None],
}
BLUE = {
    "track": [((226, 239, 251), (208, 226, 244)), ((178, 208, 238), (160, 192, 228))],
    "thumb": [((178, 210, 240), (110, 160, 212)),
              ((150, 196, 242), (72, 136, 208)),
              ((112, 170, 232), (44, 104, 182)),
              ((220, 232, 244), (196, 212, 228))],
    "grip": [None, None, None, None],  # the vertical thumb shows no grip
}
GLYPH = [(72, 72, 72), (72, 72, 72), (38, 100, 196), (24, 74, 160), (192, 192, 192)]


def button_states(scheme):
    (track, track_edge), _ = scheme["track"]
    normal, hot, pressed = scheme["thumb"][0], scheme["thumb"][1], scheme["thumb"][2]
    return [
        (track, track_edge, None),          # 0 normal: the plain track
        (track, track_edge, normal[1]),     # 1 pointer over the bar: a soft outline
        (hot[0], track_edge, hot[1]),       # 2 hot: a stronger one
        (pressed[0], track_edge, pressed[1]),  # 3 pressed: a darker filled button
        (track, track_edge, None),          # 4 disabled: the plain track
    ]


# --- drawing in "along / across" coordinates ----------------------------------------------
# Cells are drawn for a horizontal bar (along = x, across = y) and turned for
# vertical skins, so both orientations share one set of shapes.
class Cell:
    def __init__(self, img, ox, oy, along, across, vertical):
        self.img, self.ox, self.oy = img, ox, oy
        self.along, self.across, self.vertical = along, across, vertical

    def set(self, a, c, colour):
        if 0 <= a < self.along and 0 <= c < self.across:
            if self.vertical:
                self.img.set(self.ox + c, self.oy + a, colour)
            else:
                self.img.set(self.ox + a, self.oy + c, colour)

    def fill(self, colour):
        for a in range(self.along):
            for c in range(self.across):
                self.set(a, c, colour)


def track_cell(cell, fill, edge):
    cell.fill(fill)
    for a in range(cell.along):  # 1-pixel lines on both long sides, inside the 3-pixel edges
        cell.set(a, 0, edge)
        cell.set(a, cell.across - 1, edge)


def rounded_box(cell, a0, c0, a1, c1, fill, outline):
    """Filled box from (a0, c0) to (a1, c1) inclusive with cut corners."""
    for a in range(a0, a1 + 1):
        for c in range(c0, c1 + 1):
            corner = (a in (a0, a1)) and (c in (c0, c1))
            if corner:
                continue
            edge = a in (a0, a1) or c in (c0, c1)
            cell.set(a, c, outline if (edge and outline) else fill)


def thumb_cell(cell, fill, outline, track_fill):
    cell.fill(track_fill)
    rounded_box(cell, 0, 1, cell.along - 1, cell.across - 2, fill, outline)


def button_cell(cell, fill, edge, outline):
    track_cell(cell, fill, edge)
    if outline:
        rounded_box(cell, 1, 1, cell.along - 2, cell.across - 2, fill, outline)


def glyph_cell(cell, colour, pointing_back):
    """A solid triangle, 4 pixels deep, centred in an 18 x 17 (or 17 x 18) cell."""
    cell.fill(KEY)
    mid = cell.across // 2
    tip = cell.along // 2 - 2
    for depth in range(4):
        a = tip + depth if pointing_back else cell.along - 1 - tip - depth
        for c in range(mid - depth, mid + depth + 1):
            cell.set(a, c, colour)


def grip_cell(cell, colour):
    cell.fill(KEY)
    if colour is None:
        return
    for a in (2, 4, 6):  # three ridges across the thumb
        for c in range(2, cell.across - 2):
            cell.set(a, c, colour)


# --- the twelve skins ---------------------------------------------------------------------
def strip(width, height, states, cell_along, cell_across, step, vertical, fill, stacked_across=False):
    """A strip image and its cells. stacked_across: cells follow each other
    across the bar (the thumb and grip strips) instead of along it."""
    img = Image(width, height, fill)
    cells = []
    for s in range(states):
        offset = step * s
        if vertical:
            ox, oy = (offset, 0) if stacked_across else (0, offset)
        else:
            ox, oy = (0, offset) if stacked_across else (offset, 0)
        cells.append(Cell(img, ox, oy, cell_along, cell_across, vertical))
    return img, cells


def skins():
    out = {}
    for name, scheme, vertical in (("H", GREY, False), ("V", BLUE, True)):
        # Track: 2 states, cells 2 long and 17 across.
        if vertical:
            img, cells = strip(17, 4, 2, 2, 17, 2, True, KEY)
        else:
            img, cells = strip(4, 17, 2, 2, 17, 2, False, KEY)
        for s, cell in enumerate(cells):
            track_cell(cell, *scheme["track"][s])
        out["SCRBACK" + name] = img

        # Thumb: 4 states, cells 15 long and 17 across, stacked across the bar.
        if vertical:
            img, cells = strip(68, 15, 4, 15, 17, 17, True, KEY, stacked_across=True)
        else:
            img, cells = strip(15, 68, 4, 15, 17, 17, False, KEY, stacked_across=True)
        for s, cell in enumerate(cells):
            thumb_cell(cell, *scheme["thumb"][s], scheme["track"][0][0])
        out["SCRTHUMB" + name] = img

        # Grip: 4 states stacked down the strip (10 x 9 cells horizontal, 9 x 10 vertical).
        if vertical:
            img = Image(9, 40, KEY)
            cells = [Cell(img, 0, 10 * s, 10, 9, True) for s in range(4)]
        else:
            img = Image(10, 36, KEY)
            cells = [Cell(img, 0, 9 * s, 10, 9, False) for s in range(4)]
        for s, cell in enumerate(cells):
            grip_cell(cell, scheme["grip"][s])
        out["SCRGRIP" + name] = img

        # Button frames and glyphs: 5 states, cells 18 long and 17 across.
        size = (17, 90) if vertical else (90, 17)
        frame = Image(*size, KEY)
        back = Image(*size, KEY)
        fore = Image(*size, KEY)
        for s, (fill, edge, outline) in enumerate(button_states(scheme)):
            ox, oy = (0, 18 * s) if vertical else (18 * s, 0)
            button_cell(Cell(frame, ox, oy, 18, 17, vertical), fill, edge, outline)
            glyph_cell(Cell(back, ox, oy, 18, 17, vertical), GLYPH[s], True)
            glyph_cell(Cell(fore, ox, oy, 18, 17, vertical), GLYPH[s], False)
        out["SCRARROW" + name] = frame
        out["SCRARROW" + name + ("T" if vertical else "L")] = back
        out["SCRARROW" + name + ("B" if vertical else "R")] = fore
    return out


SIZES = {
    "SCRBACKH": (4, 17), "SCRBACKV": (17, 4), "SCRTHUMBH": (15, 68), "SCRTHUMBV": (68, 15),
    "SCRGRIPH": (10, 36), "SCRGRIPV": (9, 40), "SCRARROWH": (90, 17), "SCRARROWV": (17, 90),
    "SCRARROWHL": (90, 17), "SCRARROWHR": (90, 17), "SCRARROWVT": (17, 90), "SCRARROWVB": (17, 90),
}


def main():
    made = skins()
    assert set(made) == set(SIZES), sorted(set(made) ^ set(SIZES))
    lines = []
    for name in sorted(made):
        img = made[name]
        assert (img.width, img.height) == SIZES[name], (name, img.width, img.height)
        filename = name.lower() + ".bmp"
        with open(os.path.join(HERE, filename), "wb") as f:
            f.write(img.bmp())
        lines.append('%s BITMAP "%s"' % (name, filename))
    with open(os.path.join(HERE, "skins.rc"), "w", newline="\n") as f:
        f.write("// Scroll bar skins, written by make_skins.py.\n")
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
