"""Reads back what the image tests wrote, with outside tools only.

  image_probe.py info FILE.pdf         one line per image XObject of page 1:
                                       name width height bits colorspace filter mask palette-bytes
                                       then "do N" (the Do operators in the page content)
  image_probe.py pixels FILE.pdf X,Y...  the page rendered by pdftoppm at 72 dpi: "r g b" per point
"""
import os
import subprocess
import sys
import tempfile

import pikepdf


def show(value):
    if value is None:
        return "-"
    if isinstance(value, pikepdf.Array):
        return "[" + " ".join(show(v) for v in value) + "]"
    if isinstance(value, pikepdf.Stream):
        return "stream"
    return str(value)


def info(path):
    with pikepdf.open(path) as pdf:
        page = pdf.pages[0]
        xobjects = page.Resources.get("/XObject", {})
        for name in sorted(xobjects.keys()):
            image = xobjects[name]
            space = image.get("/ColorSpace")
            palette = "-"
            if isinstance(space, pikepdf.Array) and len(space) == 4:
                palette = str(len(space[3].read_bytes()))
                space = pikepdf.Array([space[0], space[1], space[2]])
            print(name, image.Width, image.Height, image.BitsPerComponent, show(space),
                  show(image.get("/Filter")), show(image.get("/Mask")), palette)
        content = page.Contents.read_bytes()
        print("do", content.count(b" Do"))


def pixels(path, points):
    with tempfile.TemporaryDirectory() as folder:
        prefix = os.path.join(folder, "page")
        subprocess.run(["pdftoppm", "-r", "72", "-f", "1", "-l", "1", "-singlefile", path, prefix], check=True)
        data = open(prefix + ".ppm", "rb").read()
    # Header "P6 width height maxval" and exactly one whitespace byte before the samples.
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    width = int(fields[1])
    body = data[pos + 1:]
    for point in points:
        x, y = (int(v) for v in point.split(","))
        i = (y * width + x) * 3
        print(body[i], body[i + 1], body[i + 2])


if __name__ == "__main__":
    if sys.argv[1] == "info":
        info(sys.argv[2])
    else:
        pixels(sys.argv[2], sys.argv[3:])
