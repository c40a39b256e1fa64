#!/usr/bin/env python3
"""Writes the four arrow pictures into resources/.

arrow_up.png and arrow_down.png are 7 x 4, arrow_left.png and
arrow_right.png 4 x 7: opaque black triangles, every other pixel fully
transparent. The down arrow (rows 7, 5, 3, 1 pixels wide, centred) is
also the drop arrow of combo boxes.

    python3 tools/make_arrow_pictures.py [output-folder]
"""
import os
import sys

from png_file import png

BLACK = (0, 0, 0, 255)
CLEAR = (0, 0, 0, 0)


def down_rows():
    # Row r (0 at the top) covers columns r .. 6 - r.
    return [[BLACK if r <= x <= 6 - r else CLEAR for x in range(7)] for r in range(4)]


def flipped(rows):
    return rows[::-1]


def transposed(rows):
    return [list(column) for column in zip(*rows)]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources")
    down = down_rows()
    right = transposed(down)  # columns 7, 5, 3, 1 tall, left to right
    pictures = {
        "arrow_down.png": down,
        "arrow_up.png": flipped(down),
        "arrow_right.png": right,
        "arrow_left.png": [row[::-1] for row in right],
    }
    for name, rows in pictures.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(png(rows))


if __name__ == "__main__":
    main()
