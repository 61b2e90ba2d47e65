"""Checks a PDF/A-2b file against the clauses an outside reader can judge, and, given the plain
file of the same report, that both pages' content streams decode to the same bytes.
Usage: pdfa_check.py PDFA [PLAIN]. Prints one line per failed clause; exit status 1 if any."""
import io
import re
import sys

import pikepdf
from fontTools.ttLib import TTFont

FORBIDDEN_ACTIONS = {"/JavaScript", "/Launch", "/Sound", "/Movie", "/ResetForm", "/ImportData", "/Hide",
                     "/SetOCGState", "/Rendition", "/Trans", "/GoTo3DView"}
NS = {"dc": "http://purl.org/dc/elements/1.1/", "xmp": "http://ns.adobe.com/xap/1.0/",
      "pdf": "http://ns.adobe.com/pdf/1.3/", "pdfaid": "http://www.aiim.org/pdfa/ns/id/"}
problems = []


def check(condition, clause):
    if not condition:
        problems.append(clause)


def header(raw):
    lines = raw.split(b"\n", 2)
    check(re.fullmatch(rb"%PDF-1\.[0-7]", lines[0]) is not None, "6.1.2 header line")
    check(lines[1][:1] == b"%" and all(b > 127 for b in lines[1][1:5]), "6.1.2 binary comment")


def trailer(pdf):
    ids = pdf.trailer.get("/ID")
    check(ids is not None and len(ids) == 2, "6.1.3 file identifier")
    check("/Encrypt" not in pdf.trailer, "6.1.3 no encryption")


def output_intent(pdf):
    intents = pdf.Root.get("/OutputIntents", [])
    pdfa = [i for i in intents if i.get("/S") == "/GTS_PDFA1"]
    check(len(pdfa) == 1, "6.2.3 one PDF/A output intent")
    if not pdfa:
        return
    stream = pdfa[0].DestOutputProfile
    icc = stream.read_bytes()
    check(stream.get("/N") == 3, "6.2.3 profile /N 3")
    check(len(icc) >= 128 and icc[36:40] == b"acsp", "6.2.3 ICC signature")
    check(int.from_bytes(icc[0:4], "big") == len(icc), "6.2.3 ICC size")
    check(icc[16:20] == b"RGB ", "6.2.3 RGB profile")


def xmp_date(pdf_date):
    m = re.fullmatch(r"D:(\d{4})(\d\d)(\d\d)(\d\d)(\d\d)(\d\d)([+-])(\d\d)'(\d\d)'", pdf_date)
    return m and m.expand(r"\1-\2-\3T\4:\5:\6\7\8:\9")


def metadata(pdf):
    packet = pdf.Root.Metadata.read_bytes()
    check(b"bytes=" not in packet.split(b"?>", 1)[0], "6.6.2.1 no bytes attribute")
    check("/Filter" not in pdf.Root.Metadata, "6.6.2.1 metadata unfiltered")
    meta = pdf.open_metadata()
    info = {str(k): str(v) for k, v in pdf.docinfo.items()}
    value = lambda prefix, name: meta.get("{%s}%s" % (NS[prefix], name))
    check(value("pdfaid", "part") == "2" and value("pdfaid", "conformance") == "B", "6.6.4 identification")
    pairs = [("/Title", value("dc", "title")), ("/Author", (value("dc", "creator") or [None])[0]),
             ("/Subject", value("dc", "description")), ("/Producer", value("pdf", "Producer")),
             ("/Keywords", value("pdf", "Keywords")), ("/Creator", value("xmp", "CreatorTool")),
             ("/CreationDate", value("xmp", "CreateDate"))]
    for key, xmp in pairs:
        expected = xmp_date(info[key]) if key == "/CreationDate" and key in info else info.get(key)
        check(xmp == expected, f"6.6.3 XMP agrees with {key}")
    check("/CreationDate" in info and "/Title" in info, "creation date and title present")


def forbidden(pdf):
    for obj in (o for o in pdf.objects if isinstance(o, (pikepdf.Dictionary, pikepdf.Stream))):
        filters = obj.get("/Filter") if isinstance(obj, pikepdf.Stream) else None
        names = [str(f) for f in (filters if isinstance(filters, pikepdf.Array) else [filters] if filters else [])]
        check("/LZWDecode" not in names, "6.1.7 no LZW")
        check(str(obj.get("/S", "")) not in FORBIDDEN_ACTIONS, "6.6.1 forbidden action " + str(obj.get("/S")))
        check("/AA" not in obj and "/JS" not in obj, "6.6.2 no additional actions or scripts")
        if obj.get("/Type") == "/Annot":
            check(int(obj.get("/F", 0)) & 4 and not int(obj.get("/F", 0)) & 3, "6.3.2 annotation printed")
    check("/NeedAppearances" not in pdf.Root.get("/AcroForm", {}), "6.4.1 no NeedAppearances")


def shown_codes(page):
    """Bytes shown by each font resource name on a page."""
    codes, font = {}, None
    for operands, operator in pikepdf.parse_content_stream(page):
        if str(operator) == "Tf":
            font = str(operands[0])
        elif str(operator) == "Tj":
            codes.setdefault(font, set()).update(bytes(operands[0]))
    return codes


def font_program(font, used):
    descriptor = font.get("/FontDescriptor")
    check(descriptor is not None and "/FontFile2" in descriptor, f"6.2.11.4 {font.BaseFont} embedded")
    if descriptor is None or "/FontFile2" not in descriptor:
        return
    tt = TTFont(io.BytesIO(descriptor.FontFile2.read_bytes()))
    cmap, glyf, hmtx = tt.getBestCmap(), tt["glyf"], tt["hmtx"]
    per_em = tt["head"].unitsPerEm
    check(tt["cmap"].getcmap(3, 1) is not None, f"6.2.11.6 {font.BaseFont} (3,1) cmap")
    for code in used:
        char = bytes([code]).decode("cp1252")
        name = cmap.get(ord(char))
        check(name is not None, f"6.2.11.4 {font.BaseFont} maps {char!r}")
        if name is None:
            continue
        check(char.isspace() or glyf[name].numberOfContours != 0, f"6.2.11.4 {font.BaseFont} draws {char!r}")
        width = font.Widths[code - int(font.FirstChar)]
        check(abs(width - hmtx[name][0] * 1000 / per_em) <= 1, f"6.2.11.5 {font.BaseFont} width of {char!r}")


def fonts(pdf):
    for page in pdf.pages:
        for name, used in shown_codes(page).items():
            font_program(page.Resources.Font[name], used)


def same_content(pdf, plain_path):
    plain = pikepdf.open(plain_path)
    check(len(plain.pages) == len(pdf.pages), "same page count as the plain file")
    for a, b in zip(pdf.pages, plain.pages):
        check(a.Contents.read_bytes() == b.Contents.read_bytes(), "page content as the plain file's")


def main():
    raw = open(sys.argv[1], "rb").read()
    header(raw)
    pdf = pikepdf.open(sys.argv[1])
    trailer(pdf)
    output_intent(pdf)
    metadata(pdf)
    forbidden(pdf)
    fonts(pdf)
    if len(sys.argv) > 2:
        same_content(pdf, sys.argv[2])
    for problem in dict.fromkeys(problems):
        print(problem)
    sys.exit(1 if problems else 0)


main()
