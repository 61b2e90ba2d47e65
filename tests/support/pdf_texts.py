"""pdf_texts.py FILE: lists every text shown by a PDF's pages, one line each:
page<TAB>x cm<TAB>y cm<TAB>font<TAB>size<TAB>text
x and y are the text's origin in centimetres from the top-left corner (the page's content is drawn
in a coordinate system flipped so that y grows downwards), the text as UTF-8 from Windows-1252."""
import sys

import pikepdf

POINTS_PER_CM = 72 / 2.54


def texts(page):
    font, size = "", 0
    x = y = 0.0
    for operands, operator in pikepdf.parse_content_stream(page):
        op = str(operator)
        if op == "Tf":
            font, size = str(operands[0]).lstrip("/"), float(operands[1])
        elif op == "Tm":
            x, y = float(operands[4]), float(operands[5])
        elif op == "Td":
            x, y = x + float(operands[0]), y + float(operands[1])
        elif op == "Tj":
            yield x, y, font, size, bytes(operands[0]).decode("cp1252")


pdf = pikepdf.open(sys.argv[1])
for number, page in enumerate(pdf.pages, start=1):
    for x, y, font, size, text in texts(page):
        print(f"{number}\t{x / POINTS_PER_CM:.2f}\t{y / POINTS_PER_CM:.2f}\t{font}\t{size:g}\t{text}")
