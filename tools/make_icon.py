#!/usr/bin/env python3
"""Draws the application icon: a 48 x 48, 32-bit (BGRA) icon file.

The picture is a rounded square with a green-to-teal gradient, a white
power symbol and a small orange clock hand, anti-aliased by 4 x 4
supersampling. The file holds one BMP-format image (header, colour pixels
bottom-up, AND mask), 9,662 bytes in all.

    python3 tools/make_icon.py resources/app_icon.ico
"""
import math
import struct
import sys

SIZE = 48
SS = 4  # supersampling factor per axis


def inside_rounded_square(x, y):
    r = 10.0
    lo, hi = 1.0, SIZE - 1.0
    cx = min(max(x, lo + r), hi - r)
    cy = min(max(y, lo + r), hi - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def power_symbol(x, y):
    """1 where the white power symbol covers (x, y)."""
    cx, cy = 24.0, 25.5
    dx, dy = x - cx, y - cy
    d = math.hypot(dx, dy)
    # Ring with a gap at the top.
    ang = math.degrees(math.atan2(dx, -dy))  # 0 = straight up
    if 10.5 <= d <= 14.5 and abs(ang) >= 38:
        return True
    # Vertical bar through the gap.
    if abs(dx) <= 2.0 and 8.0 <= y <= 24.0:
        return True
    return False


def clock_hand(x, y):
    """The short orange hand pointing to the lower right inside the ring."""
    cx, cy = 24.0, 25.5
    tx, ty = cx + 6.0, cy + 5.0
    vx, vy = tx - cx, ty - cy
    t = ((x - cx) * vx + (y - cy) * vy) / (vx * vx + vy * vy)
    if not 0.15 <= t <= 1.0:
        return False
    px, py = cx + t * vx, cy + t * vy
    return math.hypot(x - px, y - py) <= 1.4


def background(x, y):
    """Gradient from deep green (top left) to teal (bottom right)."""
    t = (x + y) / (2.0 * SIZE)
    top = (34, 120, 64)
    bottom = (20, 150, 150)
    return tuple(a + (b - a) * t for a, b in zip(top, bottom))


def pixel(px, py):
    acc = [0.0, 0.0, 0.0, 0.0]
    n = SS * SS
    for sy in range(SS):
        for sx in range(SS):
            x = px + (sx + 0.5) / SS
            y = py + (sy + 0.5) / SS
            if not inside_rounded_square(x, y):
                continue
            if power_symbol(x, y):
                rgb = (255, 255, 255)
            elif clock_hand(x, y):
                rgb = (250, 160, 40)
            else:
                rgb = background(x, y)
                # A soft highlight over the upper half.
                if y < SIZE / 2:
                    k = 0.18 * (1 - y / (SIZE / 2))
                    rgb = tuple(c + (255 - c) * k for c in rgb)
            acc[0] += rgb[0]
            acc[1] += rgb[1]
            acc[2] += rgb[2]
            acc[3] += 1
    if acc[3] == 0:
        return (0, 0, 0, 0)
    a = acc[3] / n
    # Colour averaged over the covered samples; alpha is the coverage.
    return tuple(int(round(c / acc[3])) for c in acc[:3]) + (int(round(a * 255)),)


def build_icon():
    rows = []
    for py in range(SIZE - 1, -1, -1):  # BMP rows run bottom-up
        row = bytearray()
        for px in range(SIZE):
            r, g, b, a = pixel(px, py)
            row += bytes((b, g, r, a))
        rows.append(bytes(row))
    xor = b"".join(rows)
    mask_stride = ((SIZE + 31) // 32) * 4
    and_mask = bytes(mask_stride * SIZE)  # alpha decides; mask all opaque
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0,
                         len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return icondir + entry + image


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "resources/app_icon.ico"
    data = build_icon()
    with open(out, "wb") as f:
        f.write(data)
    print(f"{out}: {len(data)} bytes")


if __name__ == "__main__":
    main()
