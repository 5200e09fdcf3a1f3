#!/usr/bin/env python3
"""Writes the picking cursor: a Windows .cur file, 32 x 32 pixels, 32 bits per pixel with an AND mask.

Usage: make_cursor.py OUTPUT

The cursor is a cross-hair whose hot spot is the one pixel that is read. That pixel itself is left
clear so the user sees the colour being picked; a black and a white ring frame it, and four arms of
white drawn over black point at it, so the cursor stays readable on light and dark ground alike.
Standard library only.
"""

import struct
import sys

SIZE = 32
HOT_X, HOT_Y = 15, 15
ARM_START, ARM_END = 5, 13  # distance of the white arm strokes from the hot spot, both ends included

CLEAR = (0, 0, 0, 0)
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)


def Pixel(x, y):
    dx, dy = x - HOT_X, y - HOT_Y
    ring = max(abs(dx), abs(dy))
    if ring == 0:
        return CLEAR  # the picked pixel shows through
    if ring == 1:
        return BLACK
    if ring == 2:
        return WHITE
    # Arms: a one-pixel white stroke on the axis, edged by black on both sides and at both ends.
    along, across = (abs(dx), abs(dy)) if abs(dx) >= abs(dy) else (abs(dy), abs(dx))
    if across == 0 and ARM_START <= along <= ARM_END:
        return WHITE
    if across <= 1 and ARM_START - 1 <= along <= ARM_END + 1:
        return BLACK
    return CLEAR


def CursorFile():
    rows = [[Pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    colour = bytearray()
    mask = bytearray()
    maskStride = SIZE // 8  # 32 pixels make whole 32-bit rows already
    for row in reversed(rows):  # bitmaps are stored bottom-up
        bits = bytearray(maskStride)
        for x, (r, g, b, a) in enumerate(row):
            colour += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    # The header's height covers the colour bitmap and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    image = header + bytes(colour) + bytes(mask)
    # Type 2 marks a cursor; its directory entry carries the hot spot where an icon has planes and bit count.
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOT_X, HOT_Y, len(image), 6 + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_cursor.py OUTPUT")
    with open(sys.argv[1], "wb") as f:
        f.write(CursorFile())


if __name__ == "__main__":
    main()
