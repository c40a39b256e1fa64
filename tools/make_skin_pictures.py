#!/usr/bin/env python3
"""Draws the skin's built-in pictures into resources/.

Caption-button glyphs (white, soft dark drop shadow, faint light line along
the top edge, transparent ground), the skin-change button (a small shirt)
and the default background (a green backdrop, written as PPM and encoded to
JPEG by ImageMagick's `convert`). Shapes are anti-aliased by supersampling.

    python3 tools/make_skin_pictures.py [output-folder]
"""
import math
import os
import struct
import subprocess
import sys
import zlib

SS = 4  # supersamples per axis


def coverage(width, height, inside):
    """Fraction of each pixel covered by the shape `inside(x, y)`."""
    grid = [[0.0] * width for _ in range(height)]
    for py in range(height):
        for px in range(width):
            hits = 0
            for sy in range(SS):
                for sx in range(SS):
                    if inside(px + (sx + 0.5) / SS, py + (sy + 0.5) / SS):
                        hits += 1
            grid[py][px] = hits / (SS * SS)
    return grid


def blur(grid, radius):
    h, w = len(grid), len(grid[0])
    out = [[0.0] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            total, n = 0.0, 0
            for dy in range(-radius, radius + 1):
                for dx in range(-radius, radius + 1):
                    yy, xx = y + dy, x + dx
                    if 0 <= yy < h and 0 <= xx < w:
                        total += grid[yy][xx]
                    n += 1
            out[y][x] = total / n
    return out


def shift(grid, dx, dy):
    h, w = len(grid), len(grid[0])
    out = [[0.0] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            sx, sy = x - dx, y - dy
            if 0 <= sx < w and 0 <= sy < h:
                out[y][x] = grid[sy][sx]
    return out


class Canvas:
    """Straight (non-premultiplied) RGBA pixels, composited with 'over'."""

    def __init__(self, width, height):
        self.w, self.h = width, height
        self.px = [[(0.0, 0.0, 0.0, 0.0)] * width for _ in range(height)]

    def paint(self, grid, rgb, opacity=1.0):
        for y in range(self.h):
            for x in range(self.w):
                a = grid[y][x] * opacity
                if a <= 0:
                    continue
                r0, g0, b0, a0 = self.px[y][x]
                out_a = a + a0 * (1 - a)
                mix = [(c * a + c0 * a0 * (1 - a)) / out_a for c, c0 in zip(rgb, (r0, g0, b0))]
                self.px[y][x] = (mix[0], mix[1], mix[2], out_a)

    def png(self):
        raw = b""
        for row in self.px:
            raw += b"\x00" + bytes(
                v for r, g, b, a in row
                for v in (round(r), round(g), round(b), round(a * 255)))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack(">IIBBBBB", self.w, self.h, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


# Shape helpers: each returns a predicate over (x, y).
def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def outline(x0, y0, x1, y1, t, top=None):
    top = t if top is None else top
    outer = rect(x0, y0, x1, y1)
    inner = rect(x0 + t, y0 + top, x1 - t, y1 - t)
    return lambda x, y: outer(x, y) and not inner(x, y)


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def segment(x0, y0, x1, y1, half_width):
    vx, vy = x1 - x0, y1 - y0
    length2 = vx * vx + vy * vy

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * vx + (y - y0) * vy) / length2))
        return math.hypot(x - (x0 + t * vx), y - (y0 + t * vy)) <= half_width
    return inside


def triangle(a, b, c):
    def side(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        d1, d2, d3 = side(a, b, x, y), side(b, c, x, y), side(c, a, x, y)
        neg = d1 < 0 or d2 < 0 or d3 < 0
        pos = d1 > 0 or d2 > 0 or d3 > 0
        return not (neg and pos)
    return inside


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def caption_glyph(width, glyph):
    """White glyph, soft shadow down-right, faint light line on top."""
    height = 18
    canvas = Canvas(width, height)
    shape = coverage(width, height, glyph)
    shadow = blur(shift(shape, 1, 1), 1)
    canvas.paint(shadow, (0, 0, 0), 0.55)
    canvas.paint(shape, (255, 255, 255))
    top_line = [[0.22 if y == 0 else 0.0 for _ in range(width)] for y in range(height)]
    canvas.paint(top_line, (255, 255, 255))
    return canvas


def help_glyph():
    bubble = minus(rounded_rect(7, 3, 19, 12, 3), rounded_rect(8.5, 4.5, 17.5, 10.5, 2))
    tail = triangle((10, 11.5), (13, 11.5), (9.5, 15))
    arrow = union(rect(10, 7, 14, 8.2), triangle((13.5, 5.3), (13.5, 9.9), (16, 7.6)))
    return union(bubble, tail, arrow)


def menu_glyph():
    frame = outline(6, 3, 19, 14, 1.3, top=2.5)
    lines = union(rect(8.5, 7, 16.5, 8.2), rect(8.5, 10, 14, 11.2))
    pointer = triangle((16, 12), (21, 14.5), (17.5, 16.5))
    return union(frame, lines, pointer)


def minimise_glyph():
    return rect(8, 11, 18, 13.2)


def maximise_glyph():
    return outline(8, 4, 18, 14, 1.3, top=3)


def restore_glyph():
    back = outline(10, 3, 19, 11, 1.2, top=2.4)
    front_box = rect(7, 7, 16, 15)
    front = outline(7, 7, 16, 15, 1.2, top=2.4)
    return union(minus(back, front_box), front)


def close_glyph():
    return union(segment(14, 4.5, 24, 13.5, 1.5), segment(24, 4.5, 14, 13.5, 1.5))


def skin_change_button():
    """A small shirt: white top, green collar, orange body."""
    width, height = 26, 18
    canvas = Canvas(width, height)
    body = union(rect(9, 5, 17, 16), triangle((9, 4), (9, 10), (4.5, 8)),
                 triangle((17, 4), (17, 10), (21.5, 8)), rect(9, 4, 17, 6))
    shoulders = union(triangle((9, 3.5), (9, 8), (4.5, 8)), triangle((17, 3.5), (17, 8), (21.5, 8)),
                      rect(9, 3.5, 17, 7))
    collar = union(triangle((10.5, 3.2), (13, 3.2), (13, 6.5)), triangle((15.5, 3.2), (13, 3.2), (13, 6.5)))
    shadow = blur(shift(coverage(width, height, body), 1, 1), 1)
    canvas.paint(shadow, (0, 0, 0), 0.35)
    canvas.paint(coverage(width, height, body), (240, 128, 32))
    canvas.paint(coverage(width, height, shoulders), (255, 255, 255))
    canvas.paint(coverage(width, height, collar), (40, 150, 60))
    return canvas


def background_ppm(width=350, height=262):
    """Green field with a faint grid, a dark band sweeping across the top
    from the left, fading to white towards the lower-left corner."""
    rows = []
    for y in range(height):
        row = bytearray()
        for x in range(width):
            r, g, b = 70, 160, 90
            if x % 16 == 0 or y % 16 == 0:
                r, g, b = r + 14, g + 14, b + 14
            # The band: below a curve that falls from the top-left corner.
            edge = 58 - 40 * (x / width) ** 0.7 + 8 * math.sin(x / 45.0)
            if y < edge:
                k = min(1.0, (edge - y) / 12.0)
                r, g, b = [c * (1 - k) + d * k for c, d in zip((r, g, b), (18, 82, 40))]
            # Fade to white towards the lower-left corner.
            d = math.hypot(x / width, (height - y) / height)
            w = max(0.0, 1.0 - d / 0.95) ** 1.4
            r, g, b = [c + (255 - c) * w for c in (r, g, b)]
            row += bytes((round(r), round(g), round(b)))
        rows.append(bytes(row))
    return b"P6\n%d %d\n255\n" % (width, height) + b"".join(rows)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "resources"
    os.makedirs(out, exist_ok=True)
    pictures = {
        "caption_help.png": caption_glyph(26, help_glyph()),
        "caption_menu.png": caption_glyph(26, menu_glyph()),
        "caption_minimise.png": caption_glyph(26, minimise_glyph()),
        "caption_maximise.png": caption_glyph(26, maximise_glyph()),
        "caption_restore.png": caption_glyph(26, restore_glyph()),
        "caption_close.png": caption_glyph(38, close_glyph()),
        "skin_change.png": skin_change_button(),
    }
    for name, canvas in pictures.items():
        data = canvas.png()
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
        print(f"{name}: {canvas.w} x {canvas.h}, {len(data)} bytes")
    ppm = os.path.join(out, "default_background.ppm")
    with open(ppm, "wb") as f:
        f.write(background_ppm())
    jpeg = os.path.join(out, "default_background.jpg")
    subprocess.run(["convert", ppm, "-quality", "85", "-sampling-factor", "2x2", "-strip", jpeg], check=True)
    os.remove(ppm)
    print(f"default_background.jpg: 350 x 262, {os.path.getsize(jpeg)} bytes")


if __name__ == "__main__":
    main()
