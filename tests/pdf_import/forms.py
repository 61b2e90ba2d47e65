"""Prints the imported forms of a PDF's first page, one line each:
name subtype bbox filter font-objects... then 'content' and the page's content stream bytes in hex.
Usage: forms.py file.pdf [password]"""
import sys

import pikepdf

with pikepdf.open(sys.argv[1], password=sys.argv[2] if len(sys.argv) > 2 else "") as pdf:
    page = pdf.pages[0]
    xobjects = page.Resources.get("/XObject", {})
    for name in sorted(xobjects.keys()):
        if not name.startswith("/_PDF_"):
            continue
        form = xobjects[name]
        fonts = form.Resources.get("/Font", {})
        font_ids = ",".join(f"{k}={fonts[k].objgen[0]}" for k in sorted(fonts.keys()))
        bbox = " ".join(f"{float(v):g}" for v in form.BBox)
        data = form.read_bytes()
        print(name, form.Subtype, f"[{bbox}]", form.get("/Filter", "none"), font_ids or "-", data.hex())
    print("content", page.Contents.read_bytes().hex() if not isinstance(page.Contents, pikepdf.Array)
          else b"".join(c.read_bytes() for c in page.Contents).hex())
