"""Reads back what the image tests wrote, with outside tools only.

  image_probe.py info FILE.pdf         one line per image XObject of page 1:
                                       name width height bits colorspace filter mask palette-bytes
                                       then "do N" (the Do operators in the page content)
"""
import sys

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


if __name__ == "__main__":
    info(sys.argv[2])
