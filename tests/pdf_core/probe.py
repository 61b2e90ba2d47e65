"""Prints what pikepdf reads from a PDF, one fact a line: "key value" (bytes as hex)."""
import sys
from xml.etree import ElementTree

import pikepdf


def box(page, name):
    value = page.obj.get(name)
    return " ".join(str(float(v)).rstrip("0").rstrip(".") for v in value) if value is not None else "-"


def main(path):
    with pikepdf.open(path) as pdf:
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
        resources = pdf.get_object((2, 0))
        xobjects = resources.get("/XObject")
        for name in (xobjects.keys() if xobjects is not None else []):
            print("xobject" + str(name)[1:], xobjects[name].read_bytes().hex())


if __name__ == "__main__":
    main(sys.argv[1])
