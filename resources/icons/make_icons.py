#!/usr/bin/env python3
"""Draws the application and tray icons: a faceted, many-coloured gem outlined in black.

Writes Huetrove.ico (16 and 32 pixels as 32-bit with alpha, 20 and 24 pixels for scaled displays;
40, 48, 64 and 256 pixels, for scaled displays and Explorer's larger views, as PNG-compressed
32-bit images; no 256-colour copies, which the system would pick only on a 256-colour display) and
Tray.ico (16 pixels, 8-bit with a transparency mask, and 20, 24 and 32 pixels as 32-bit: the
small-icon sizes at 100 % to 200 % scaling) beside this script. Standard library only,
so the icons can be regenerated anywhere Python 3 runs.

The 16-pixel picture is drawn by hand, pixel by pixel, because a rasterised polygon at that size
loses the facet edges; both icons share it. The larger sizes are rasterised from the gem's outline
and facets, with a soft outer edge in the alpha channel.
"""

import os
import struct
import sys
import zlib

TRANSPARENT = None
BLACK = (0, 0, 0)

# One saturated colour per facet, going round the colour wheel from the left of the crown.
FACET_COLOURS = {
    "a": (255, 40, 40),  # crown, left outer
    "b": (255, 150, 0),  # crown, left inner
    "c": (255, 215, 0),  # crown, centre
    "d": (60, 210, 40),  # crown, right inner
    "e": (0, 200, 220),  # crown, right outer
    "f": (30, 90, 255),  # pavilion, left
    "g": (140, 50, 240),  # pavilion, centre left
    "h": (230, 30, 200),  # pavilion, centre right
    "i": (255, 60, 120),  # pavilion, right
    "w": (255, 255, 255),  # glint on the crown
}

# 16 x 16, one character per pixel: "." transparent, "K" black outline, other letters are facets
# (and "w" the glint).
SMALL_ROWS = [
    "................",
    "................",
    "....KKKKKKKK....",
    "...KabbccddeK...",
    "..KaabwccddeeK..",
    ".KaaabccccdeeeK.",
    "KaaaacccccceeeeK",
    "KffffggghhhiiiiK",
    ".KffffgghhiiiiK.",
    "..KfffgghhiiiK..",
    "...KfffghiiiK...",
    "....KffghiiK....",
    ".....KfghiK.....",
    "......KghK......",
    ".......KK.......",
    "................",
]

# Normalised geometry of the larger pictures (x and y from 0 to 1 over the icon's square), in the
# proportions of the 16-pixel drawing so every size shows the same gem.
TOP_Y, GIRDLE_Y, POINT_Y = 0.13, 0.43, 0.95
LEFT_X, RIGHT_X = 0.01, 0.99
TABLE_LEFT, TABLE_RIGHT = 0.25, 0.75
INNER_LEFT, INNER_RIGHT = 0.32, 0.68  # where the inner facets meet the girdle

T0, TM, T1 = (TABLE_LEFT, TOP_Y), (0.5, TOP_Y), (TABLE_RIGHT, TOP_Y)
G0, GA, GM, GB, G4 = ((LEFT_X, GIRDLE_Y), (INNER_LEFT, GIRDLE_Y), (0.5, GIRDLE_Y), (INNER_RIGHT, GIRDLE_Y),
                      (RIGHT_X, GIRDLE_Y))
POINT = (0.5, POINT_Y)

FACETS = [
    ("a", [T0, G0, GA]),
    ("b", [T0, TM, GA]),
    ("c", [TM, GB, GA]),
    ("d", [TM, T1, GB]),
    ("e", [T1, G4, GB]),
    ("f", [G0, GA, POINT]),
    ("g", [GA, GM, POINT]),
    ("h", [GM, GB, POINT]),
    ("i", [GB, G4, POINT]),
]
OUTLINE = [T0, T1, G4, POINT, G0]


def SmallPicture():
    """The hand-drawn 16-pixel gem as rows of colours (or TRANSPARENT)."""
    rows = []
    for line in SMALL_ROWS:
        assert len(line) == 16, line
        rows.append([ColourOf(ch) for ch in line])
    assert len(rows) == 16
    return rows


def ColourOf(ch):
    if ch == ".":
        return TRANSPARENT
    if ch == "K":
        return BLACK
    return FACET_COLOURS[ch]


def InsidePolygon(x, y, poly):
    inside = False
    n = len(poly)
    for i in range(n):
        x1, y1 = poly[i]
        x2, y2 = poly[(i + 1) % n]
        if (y1 > y) != (y2 > y):
            xCross = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
            if x < xCross:
                inside = not inside
    return inside


def Coverage(px, py, size, grid=4):
    """Share of the pixel's area that lies inside the gem's outline."""
    inside = 0
    for sy in range(grid):
        for sx in range(grid):
            if InsidePolygon((px + (sx + 0.5) / grid) / size, (py + (sy + 0.5) / grid) / size, OUTLINE):
                inside += 1
    return inside / (grid * grid)


def FacetAt(px, py, size):
    """The facet that holds most of the pixel's area."""
    votes = {}
    for sy in range(4):
        for sx in range(4):
            x, y = (px + (sx + 0.5) / 4) / size, (py + (sy + 0.5) / 4) / size
            for name, poly in FACETS:
                if InsidePolygon(x, y, poly):
                    votes[name] = votes.get(name, 0) + 1
                    break
    return max(sorted(votes), key=lambda n: votes[n]) if votes else "c"


def LargePicture(size, smooth):
    """Rasterises the gem at `size` pixels as rows of (r, g, b, a).

    The facets and the black outline are hard-edged, so the picture stays crisp; with `smooth`, the
    pixels that the outline only partly covers get a soft black edge in the alpha channel.
    """
    coverage = [[Coverage(px, py, size) for px in range(size)] for py in range(size)]
    solid = [[c >= 0.5 for c in row] for row in coverage]
    # The outline keeps about the same share of the picture as at 48 pixels.
    ringWidth = 1 if size < 40 else max(2, size // 24)

    def Solid(x, y):
        return 0 <= x < size and 0 <= y < size and solid[y][x]

    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            if not solid[py][px]:
                alpha = int(255 * coverage[py][px] * 2) if smooth else 0
                row.append((0, 0, 0, min(alpha, 255)))
                continue
            nearEdge = any(
                not Solid(px + dx, py + dy)
                for dx in range(-ringWidth, ringWidth + 1)
                for dy in range(-ringWidth, ringWidth + 1)
                if abs(dx) + abs(dy) <= ringWidth
            )
            colour = BLACK if nearEdge else FACET_COLOURS[FacetAt(px, py, size)]
            row.append(colour + (255,))
        rows.append(row)
    AddGlint(rows, size)
    return rows


def AddGlint(rows, size):
    """A small white sparkle on the crown, so the picture reads as a cut stone rather than a flag."""
    cx, cy = int(size * 0.40), int(size * 0.25)
    arm = 1 if size < 40 else max(2, size // 32)
    white = FACET_COLOURS["w"] + (255,)
    rows[cy][cx] = white
    for d in range(1, arm + 1):
        for x, y in ((cx - d, cy), (cx + d, cy), (cx, cy - d), (cx, cy + d)):
            rows[y][x] = white


def ToRgba(rows):
    return [[(0, 0, 0, 0) if c is TRANSPARENT else c + (255,) for c in row] for row in rows]


def AndMask(rows):
    """1 bit per pixel, bottom-up, rows padded to 32 bits; a set bit lets the screen show through."""
    size = len(rows)
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return bytes(out)


def InfoHeader(size, bitCount, imageBytes, coloursUsed):
    # The height counts the colour bitmap and the AND mask together.
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bitCount, 0, imageBytes, 0, 0, coloursUsed, 0)


def Image32(rows):
    size = len(rows)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask = AndMask(rows)
    return InfoHeader(size, 32, len(pixels) + len(mask), 0) + bytes(pixels) + mask


def Image8(rows):
    size = len(rows)
    palette = [(0, 0, 0)]  # index 0 is black: transparent pixels must be black so the AND/XOR pair clears them
    index = {(0, 0, 0): 0}
    for row in rows:
        for r, g, b, a in row:
            if a and (r, g, b) not in index:
                index[(r, g, b)] = len(palette)
                palette.append((r, g, b))
    if len(palette) > 256:
        sys.exit("8-bit image needs %d colours" % len(palette))
    palette += [(0, 0, 0)] * (256 - len(palette))
    stride = (size + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (r, g, b, a) in enumerate(row):
            line[x] = index[(r, g, b)] if a else 0
        pixels += line
    mask = AndMask(rows)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return InfoHeader(size, 8, len(pixels) + len(mask), 256) + table + bytes(pixels) + mask


def Png(rows):
    """A 32-bit image as PNG, as icon files hold their 256-pixel images. Fixed settings, so the same
    picture always gives the same bytes with the same zlib."""

    def Chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    size = len(rows)
    raw = bytearray()
    for row in rows:
        raw.append(0)  # no filter
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8 bits per channel, RGBA
    return (b"\x89PNG\r\n\x1a\n" + Chunk(b"IHDR", header) + Chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
            Chunk(b"IEND", b""))


def WriteIco(path, images):
    """images: list of (size, bitCount, data). Writes an icon file with one entry per image."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, bitCount, data in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bitCount, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(header + entries + b"".join(data for _, _, data in images))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    small = ToRgba(SmallPicture())
    smooth32, smooth48 = LargePicture(32, True), LargePicture(48, True)
    # 32 pixels first: dialogs that show "the first image" of the application icon want the 32-pixel one.
    WriteIco(
        os.path.join(here, "Huetrove.ico"),
        [
            (32, 32, Image32(smooth32)),
            (16, 32, Image32(small)),
            (20, 32, Image32(LargePicture(20, True))),
            (24, 32, Image32(LargePicture(24, True))),
            # From 40 pixels up, the sizes of scaled displays and Explorer's views, PNG: a tenth of
            # the bytes, and every system from Windows Vista on reads PNG images at any size.
            (40, 32, Png(LargePicture(40, True))),
            (48, 32, Png(smooth48)),
            (64, 32, Png(LargePicture(64, True))),
            (256, 32, Png(LargePicture(256, True))),
        ],
    )
    WriteIco(
        os.path.join(here, "Tray.ico"),
        [
            (16, 8, Image8(small)),
            (20, 32, Image32(LargePicture(20, True))),
            (24, 32, Image32(LargePicture(24, True))),
            (32, 32, Image32(smooth32)),
        ],
    )


if __name__ == "__main__":
    main()
