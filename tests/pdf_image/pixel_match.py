"""Prints the largest difference of any colour component between a picture file, composited on
white as PIL decodes it, and a rendered page (a PPM file) where the picture was drawn at X, Y with
SCALE device pixels to each of its pixels; each pixel is read at the centre of its square.

usage: pixel_match.py PICTURE RENDERED.ppm X Y SCALE
"""
import sys

from PIL import Image

picture, rendered = sys.argv[1], sys.argv[2]
x, y, scale = (int(v) for v in sys.argv[3:6])
source = Image.open(picture)
if source.mode.startswith("I"):  # 16-bit grey
    source = source.point(lambda v: v / 257).convert("L")
source = source.convert("RGBA")
expected = Image.alpha_composite(Image.new("RGBA", source.size, "white"), source).convert("RGB")
page = Image.open(rendered).convert("RGB")
worst = 0
for j in range(source.height):
    for i in range(source.width):
        got = page.getpixel((x + scale * i + scale // 2, y + scale * j + scale // 2))
        worst = max([worst] + [abs(a - b) for a, b in zip(expected.getpixel((i, j)), got)])
print(worst)
