"""Writes an 8-bit L, LA, RGB or RGBA picture as a PNG whose row y uses filter type y % 5, so that
every filter a reader must undo is present; an L or RGB picture keeps its transparent colour.

usage: png_filtered.py PICTURE OUT.png
"""
import struct
import sys
import zlib

from PIL import Image

source = Image.open(sys.argv[1])
color_type, step = {"L": (0, 1), "LA": (4, 2), "RGB": (2, 3), "RGBA": (6, 4)}[source.mode]
stride = source.width * step
raw = source.tobytes()


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


data = bytearray()
prior = bytes(stride)
for y in range(source.height):
    row = raw[y * stride : (y + 1) * stride]
    kind = y % 5
    data.append(kind)
    for i, v in enumerate(row):
        a = row[i - step] if i >= step else 0
        b, c = prior[i], prior[i - step] if i >= step else 0
        predictor = [0, a, b, (a + b) // 2, paeth(a, b, c)][kind]
        data.append((v - predictor) & 255)
    prior = row


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


header = struct.pack(">IIBBBBB", source.width, source.height, 8, color_type, 0, 0, 0)
key = source.info.get("transparency")
key = b"" if key is None else struct.pack(">" + "H" * step, *(key if isinstance(key, tuple) else (key,)))
with open(sys.argv[2], "wb") as out:
    out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + (chunk(b"tRNS", key) if key else b""))
    out.write(chunk(b"IDAT", zlib.compress(bytes(data))) + chunk(b"IEND", b""))
