"""Prints what the output layer's tests check in a PDF, one "key: value" a line, read by pikepdf:
document information, page sizes, viewer preferences, content filters and encryption."""
import sys

import pikepdf


def main(path, password=""):
    with pikepdf.open(path, password=password) as pdf:
        info = pdf.docinfo
        for key in ("/Title", "/Subject", "/Author", "/Creator", "/Producer", "/Keywords"):
            print("%s: %s" % (key[1:], str(info.get(key, "<missing>"))))
        print("Encrypted: %s" % pdf.is_encrypted)
        prefs = pdf.Root.get("/ViewerPreferences")
        print("ViewerPreferences: %s" % sorted(str(k) for k in prefs.keys()) if prefs is not None else "none")
        for number, page in enumerate(pdf.pages, 1):
            print("Page %d MediaBox: %s" % (number, [float(v) for v in page.MediaBox]))
            filters = page.obj.Contents.get("/Filter")
            names = [str(f) for f in filters] if isinstance(filters, pikepdf.Array) else [str(filters)]
            print("Page %d Filter: %s" % (number, " ".join(names)))


if __name__ == "__main__":
    main(*sys.argv[1:])
