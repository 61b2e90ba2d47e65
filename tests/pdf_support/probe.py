"""Reads back what the pdf test suites wrote, with pikepdf.

  probe.py facts FILE             one fact a line, "key value" (bytes as hex)
  probe.py fonts FILE             one line per font object: name|Subtype|BaseFont|BaseEncoding or "-",
                                  then "resources:" and the font names of the first page
  probe.py content FILE PAGE      the decoded content stream of a 1-based page, as bytes
  probe.py streams FILE DIR N...  the decoded bytes of objects N... into DIR/N.bin
"""
import sys
from xml.etree import ElementTree

import pikepdf


def box(page, name):
    value = page.obj.get(name)
    return " ".join(str(float(v)).rstrip("0").rstrip(".") for v in value) if value is not None else "-"


def facts(pdf):
    print("version", pdf.pdf_version)
    print("pages", len(pdf.pages))
    for i, page in enumerate(pdf.pages, 1):
        for name in ("/MediaBox", "/CropBox", "/BleedBox"):
            print(f"page{i}{name[1:]}", box(page, name))
        print(f"page{i}Rotate", int(page.obj.get("/Rotate", 0)))
        print(f"page{i}Content", page.obj.Contents.read_bytes().hex())
    info = pdf.trailer.get("/Info")
    if info is not None:
        for key in ("/Title", "/Author", "/Creator", "/Producer", "/CreationDate", "/Subject", "/Keywords"):
            value = info.get(key)
            print("info" + key[1:], bytes(value).hex() if value is not None else "-")
    root = pdf.Root
    for key in ("/PageLayout", "/PageMode"):
        print("catalog" + key[1:], str(root.get(key, "-")))
    prefs = root.get("/ViewerPreferences")
    print("prefs", " ".join(sorted(str(k)[1:] for k in prefs.keys())) if prefs is not None else "-")
    packet = root.Metadata.read_bytes()
    print("metadata", packet.hex())
    try:
        ElementTree.fromstring(packet)
        print("metadataXml", "ok")
    except ElementTree.ParseError as error:
        print("metadataXml", error)
    xobjects = pdf.get_object((2, 0)).get("/XObject")
    for name in (xobjects.keys() if xobjects is not None else []):
        print("xobject" + str(name)[1:], xobjects[name].read_bytes().hex())


def fonts(pdf):
    for obj in pdf.objects:
        if isinstance(obj, pikepdf.Dictionary) and obj.get("/Type") == "/Font":
            encoding = obj.get("/Encoding")
            base_encoding = str(encoding.get("/BaseEncoding"))[1:] if encoding is not None else "-"
            print("%s|%s|%s|%s" % (str(obj.Name)[1:], str(obj.Subtype)[1:], str(obj.BaseFont)[1:], base_encoding))
    names = sorted(str(key)[1:] for key in pdf.pages[0].Resources.get("/Font", {}).keys())
    print("resources:" + ",".join(names))


def content(pdf, page):
    sys.stdout.buffer.write(pdf.pages[int(page) - 1].Contents.read_bytes())


def streams(pdf, out_dir, *numbers):
    for number in numbers:
        with open(f"{out_dir}/{number}.bin", "wb") as out:
            out.write(pdf.get_object((int(number), 0)).read_bytes(pikepdf.StreamDecodeLevel.specialized))


if __name__ == "__main__":
    with pikepdf.open(sys.argv[2]) as document:
        {"facts": facts, "fonts": fonts, "content": content, "streams": streams}[sys.argv[1]](document, *sys.argv[3:])
