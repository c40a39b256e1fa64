#!/usr/bin/env python3
"""Writes the two 13 x 13 check-box pictures into resources/.

check_frame.png: a one-pixel border of RGB (3, 3, 3) at alpha 230 around
an opaque interior whose colour depends only on x + y (light grey at the
top left to near white at the bottom right).
check_mark.png: the same interior, an opaque blue border and an opaque
teal tick.

Every pixel is given exactly; nothing is anti-aliased.

    python3 tools/make_check_pictures.py [output-folder]
"""
import os
import sys

from png_file import png

SIZE = 13

# Interior colour by x + y (1 <= x, y <= 11).
RAMP = {
    2: 0xDEDFD6, 3: 0xE0E0D8, 4: 0xE2E2DA, 5: 0xE4E4DC, 6: 0xE7E6DF, 7: 0xE9E8E1, 8: 0xEBE9E3,
    9: 0xEDEBE5, 10: 0xF0EDE8, 11: 0xF2EFEA, 12: 0xF4F1EC, 13: 0xF7F3EF, 14: 0xF7F4F0, 15: 0xF8F5F1,
    16: 0xF9F6F3, 17: 0xF9F7F4, 18: 0xFAF8F6, 19: 0xFBF9F7, 20: 0xFCFAF9, 21: 0xFCFBFA, 22: 0xFDFCFC,
}

FRAME_BORDER = (0x03, 0x03, 0x03, 230)
MARK_BORDER = (0x18, 0x51, 0x84, 255)
TICK = (0x24, 0x6E, 0x75, 255)

# (column, row) of every tick pixel.
TICK_PIXELS = {
    (9, 3),
    (8, 4), (9, 4),
    (3, 5), (7, 5), (8, 5), (9, 5),
    (3, 6), (4, 6), (6, 6), (7, 6), (8, 6),
    (3, 7), (4, 7), (5, 7), (6, 7), (7, 7),
    (4, 8), (5, 8), (6, 8),
    (5, 9),
}


def rgba(value):
    return ((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF, 255)


def picture(border, tick):
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            if x in (0, SIZE - 1) or y in (0, SIZE - 1):
                row.append(border)
            elif tick and (x, y) in TICK_PIXELS:
                row.append(TICK)
            else:
                row.append(rgba(RAMP[x + y]))
        rows.append(row)
    return rows


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources")
    for name, rows in (("check_frame.png", picture(FRAME_BORDER, False)),
                       ("check_mark.png", picture(MARK_BORDER, True))):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(png(rows))


if __name__ == "__main__":
    main()
