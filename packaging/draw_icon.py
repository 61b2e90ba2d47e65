#!/usr/bin/env python3
"""Draws the KVVELM icon as a PNG: a printed page with a blue heading, lines of text and a red
withholding stamp with a per-cent sign. Standard library only, so the build needs nothing more.

Usage: draw_icon.py SIZE OUTPUT.png
"""
import math
import struct
import sys
import zlib

# Colours, RGBA.
INK = (0x37, 0x47, 0x4F, 255)
PAPER = (0xFF, 0xFF, 0xFF, 255)
FOLD = (0xCF, 0xD8, 0xDC, 255)
HEADING = (0x15, 0x65, 0xC0, 255)
TEXT = (0x90, 0xA4, 0xAE, 255)
STAMP = (0xC6, 0x28, 0x28, 255)

# The drawing is made on a 256-unit square.
PAGE = (40, 12, 216, 244)
CORNER = 44
LINES = [(64, 100, 192), (64, 124, 176), (64, 148, 192), (64, 172, 128)]
STAMP_CENTRE, STAMP_RADIUS = (178, 198), 44


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def on_page(x, y, inset):
    left, top, right, bottom = PAGE
    if not (left + inset <= x <= right - inset and top + inset <= y <= bottom - inset):
        return False
    # The folded corner cuts the top right.
    return (x - (right - CORNER)) + (top + CORNER - y) <= CORNER - inset * 1.41


def percent_sign(x, y):
    cx, cy = STAMP_CENTRE
    if segment_distance(x, y, cx + 16, cy - 22, cx - 16, cy + 22) <= 4.5:
        return True
    return any(abs(math.hypot(x - cx - ox, y - cy - oy) - 7) <= 3.5 for ox, oy in ((-12, -13), (12, 13)))


def colour_at(x, y):
    cx, cy = STAMP_CENTRE
    stamp = math.hypot(x - cx, y - cy)
    if stamp <= STAMP_RADIUS:
        if stamp >= STAMP_RADIUS - 6 or percent_sign(x, y):
            return STAMP
        if stamp >= STAMP_RADIUS - 10:
            return PAPER
        return (0xFF, 0xEB, 0xEE, 255)
    left, top, right, _ = PAGE
    u, v = x - (right - CORNER), y - top  # inside the corner's square: the flap below its diagonal
    if 0 <= u <= v <= CORNER:
        return INK if v - u <= 6 or u <= 6 or v >= CORNER - 6 else FOLD
    if not on_page(x, y, 0):
        return None
    if not on_page(x, y, 8):
        return INK
    if 36 <= y - top <= 68 and x <= right - CORNER - 4:
        return HEADING
    for x0, ly, x1 in LINES:
        if abs(y - ly) <= 5 and x0 <= x <= x1:
            return TEXT
    return PAPER


def render(size):
    samples = 4 if size <= 64 else 2
    step = 256.0 / (size * samples)
    rows = []
    for py in range(size):
        row = bytearray([0])  # filter: none
        for px in range(size):
            total = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    colour = colour_at((px * samples + sx + 0.5) * step, (py * samples + sy + 0.5) * step)
                    if colour:
                        for i in range(3):
                            total[i] += colour[i] * colour[3]
                        total[3] += colour[3]
            alpha = total[3]
            if alpha:
                row += bytes(round(total[i] / alpha) for i in range(3))
            else:
                row += b"\0\0\0"
            row.append(round(alpha / (samples * samples)))
        rows.append(bytes(row))
    return b"".join(rows)


def png(size, pixels):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(pixels, 9)) + chunk(b"IEND", b"")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    size = int(sys.argv[1])
    with open(sys.argv[2], "wb") as out:
        out.write(png(size, render(size)))


if __name__ == "__main__":
    main()
