#!/usr/bin/env python3
"""Draws the program icon, a small round clock, and writes it as a .ico.

Usage: make_icon.py OUTPUT.ico

The icon holds 16, 32 and 48 pixel images, 32-bit with alpha plus the 1-bit
mask older systems use. Shapes are described by signed distances and
anti-aliased by sampling each pixel on a 4 x 4 grid. Only the standard
library is used, so the build needs nothing beyond Python itself.
"""
import math
import struct
import sys

SUPERSAMPLE = 4
SIZES = (16, 32, 48)

BEZEL = (0x2E, 0x3A, 0x4A)
BEZEL_LIGHT = (0x8A, 0x98, 0xAA)
DIAL = (0xFA, 0xF6, 0xEC)
MARK = (0x1C, 0x24, 0x30)
HAND = (0x1C, 0x24, 0x30)
SECOND = (0xC8, 0x3A, 0x2E)


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def clock_layers(size):
    """The clock as (colour, inside(x, y)) layers, back to front, in a
    coordinate system where the icon spans 0..1."""
    c = 0.5
    outer = 0.48
    ring = 0.085 if size >= 32 else 0.11
    dial = outer - ring
    stroke = 1.0 / size  # one pixel, in icon units

    def radius(x, y):
        return math.hypot(x - c, y - c)

    def bezel_colour(x, y):
        light = max(0.0, min(1.0, 0.5 - ((x - c) + (y - c)) * 1.1))
        return tuple(round(d + (l - d) * light) for d, l in zip(BEZEL, BEZEL_LIGHT))

    layers = [(bezel_colour, lambda x, y: radius(x, y) <= outer),
              (lambda x, y: DIAL, lambda x, y: radius(x, y) <= dial)]
    hours = range(0, 12, 3) if size < 32 else range(12)
    for h in hours:
        a = h * math.pi / 6
        sx, sy = math.sin(a), -math.cos(a)
        long_mark = h % 3 == 0 and size >= 32
        inner = dial - (0.12 if long_mark else 0.07)
        width = max(stroke * (0.9 if long_mark else 0.6), 0.022)
        ends = (c + sx * inner, c + sy * inner, c + sx * (dial - 0.02), c + sy * (dial - 0.02))
        layers.append((lambda x, y: MARK,
                       lambda x, y, e=ends, w=width: segment_distance(x, y, *e) <= w))

    def hand(angle, length, width, colour):
        ex = c + math.sin(angle) * length
        ey = c - math.cos(angle) * length
        return (lambda x, y: colour,
                lambda x, y: segment_distance(x, y, c, c, ex, ey) <= width)

    # Ten past ten: the hands frame the centre, as clocks are usually shown.
    layers.append(hand(math.radians(305), dial * 0.58, max(stroke * 0.65, 0.03), HAND))
    layers.append(hand(math.radians(60), dial * 0.85, max(stroke * 0.5, 0.022), HAND))
    if size >= 32:
        layers.append(hand(math.radians(190), dial * 0.88, stroke * 0.45, SECOND))
    layers.append((lambda x, y: HAND, lambda x, y: radius(x, y) <= max(stroke * 0.9, 0.04)))
    return layers


def render(size):
    """Rows of (r, g, b, a) pixels, top row first, straight alpha."""
    layers = clock_layers(size)
    rows = []
    n = SUPERSAMPLE
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) / size
                    y = (py + (sy + 0.5) / n) / size
                    colour = None
                    for paint, inside in layers:
                        if inside(x, y):
                            colour = paint(x, y)
                    if colour is not None:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 1
            covered = acc[3]
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(acc[0] / covered), round(acc[1] / covered),
                            round(acc[2] / covered), round(255 * covered / (n * n))))
        rows.append(row)
    return rows


def icon_image(size):
    """One image entry: header, BGRA rows bottom-up, then the 1-bit AND mask."""
    rows = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + bytes(pixels) + bytes(mask)


def write_ico(path):
    images = [icon_image(size) for size in SIZES]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(path, "wb") as f:
        f.write(out)


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: make_icon.py OUTPUT.ico\n")
        return 2
    write_ico(sys.argv[1])
    return 0


if __name__ == "__main__":
    sys.exit(main())
