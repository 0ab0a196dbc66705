#!/usr/bin/env python3
"""Draws the four 16 x 16 speed-button pictures of the item editors as 24-bit BMP files.

The background is pure white, which the buttons draw transparent; white parts of a picture
(the plus on the green disc) use 254, 254, 254 so that they stay visible.
Usage: make_glyphs.py OUTPUT_FOLDER
"""
import math
import struct
import sys
from pathlib import Path

SIZE = 16
WHITE = (255, 255, 255)
NEAR_WHITE = (254, 254, 254)
GREEN = (0, 160, 0)
GREEN_LIGHT = (64, 200, 64)
GREEN_DARK = (0, 100, 0)
RED = (220, 0, 0)
RED_DARK = (140, 0, 0)


def blank():
    return [[WHITE] * SIZE for _ in range(SIZE)]


def add_picture():
    p = blank()
    cx = cy = 7.5
    for y in range(SIZE):
        for x in range(SIZE):
            d = math.hypot(x - cx, y - cy)
            if d <= 7.0:
                p[y][x] = GREEN_DARK if d > 6.0 else (GREEN_LIGHT if x + y < 12 else GREEN)
    for i in range(4, 12):
        for t in (7, 8):
            p[t][i] = NEAR_WHITE
            p[i][t] = NEAR_WHITE
    return p


def remove_picture():
    p = blank()
    for y in range(SIZE):
        for x in range(SIZE):
            if 2 <= x <= 13 and 2 <= y <= 13:
                for diag in (x - y, x + y - 15):
                    if abs(diag) <= 1:
                        p[y][x] = RED
                    elif abs(diag) == 2 and p[y][x] == WHITE:
                        p[y][x] = RED_DARK
    return p


def up_picture():
    p = blank()
    # Head: rows 2..8 widen from the tip at the centre; shaft: columns 6..9, rows 9..13.
    for row in range(7):
        y = 2 + row
        for x in range(7 - row, 9 + row):
            if 0 <= x < SIZE:
                edge = x in (7 - row, 8 + row) or y == 8
                p[y][x] = GREEN_DARK if edge else GREEN
    for y in range(9, 14):
        for x in range(6, 10):
            edge = x in (6, 9) or y == 13
            p[y][x] = GREEN_DARK if edge else GREEN
    return p


def down_picture():
    return list(reversed(up_picture()))


def write_bmp(path, pixels):
    row_bytes = SIZE * 3  # 48, already a multiple of 4
    image = bytearray()
    for row in reversed(pixels):  # bottom-up
        for (r, g, b) in row:
            image += bytes((b, g, r))
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(image), 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    assert row_bytes % 4 == 0
    path.write_bytes(header + info + bytes(image))


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else '.')
    out.mkdir(parents=True, exist_ok=True)
    for name, picture in (('add', add_picture()), ('remove', remove_picture()),
                          ('up', up_picture()), ('down', down_picture())):
        write_bmp(out / f'{name}.bmp', picture)


if __name__ == '__main__':
    main()
