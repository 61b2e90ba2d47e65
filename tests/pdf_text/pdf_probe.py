"""Reads back what the text tests wrote, with pikepdf.

  pdf_probe.py fonts FILE          one line per font object in the file:
                                   resource-name|Subtype|BaseFont|BaseEncoding or "-"
  pdf_probe.py content FILE PAGE   the decoded content stream of a 1-based page, as bytes
"""

import sys

import pikepdf


def fonts(path):
    with pikepdf.open(path) as pdf:
        for obj in pdf.objects:
            if isinstance(obj, pikepdf.Dictionary) and obj.get("/Type") == "/Font":
                encoding = obj.get("/Encoding")
                base_encoding = str(encoding.get("/BaseEncoding"))[1:] if encoding is not None else "-"
                print("%s|%s|%s|%s" % (str(obj.Name)[1:], str(obj.Subtype)[1:],
                                       str(obj.BaseFont)[1:], base_encoding))
        resources = pdf.pages[0].Resources
        names = sorted(str(key)[1:] for key in resources.get("/Font", {}).keys())
        print("resources:" + ",".join(names))


def content(path, page):
    with pikepdf.open(path) as pdf:
        sys.stdout.buffer.write(pdf.pages[page - 1].Contents.read_bytes())


if __name__ == "__main__":
    if sys.argv[1] == "fonts":
        fonts(sys.argv[2])
    else:
        content(sys.argv[2], int(sys.argv[3]))
