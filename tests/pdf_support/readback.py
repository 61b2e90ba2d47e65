"""Reads a file the pdf test suites wrote back with pikepdf and prints it in one plain form:

  readback.py FILE [PASSWORD]

  version 1.4
  page 1 3                    page number, its object number
  label 1 i                   page number, its page label
  trailer << .. >>
  obj 3 << .. >>              every object, as pikepdf writes it (references as "n 0 R")
  stream 4 LENGTH             then LENGTH bytes: the stream's decoded data (raw when undecodable, as JPEG)
"""
import sys

import pikepdf


def data(stream):
    try:
        return stream.read_bytes(pikepdf.StreamDecodeLevel.specialized)
    except pikepdf.PdfError:
        return stream.read_raw_bytes()


def main(path, password=""):
    out = sys.stdout.buffer
    with pikepdf.open(path, password=password) as pdf:
        out.write(f"version {pdf.pdf_version}\n".encode())
        for i, page in enumerate(pdf.pages, 1):
            out.write(f"page {i} {page.obj.objgen[0]}\nlabel {i} {page.label}\n".encode())
        out.write(b"trailer " + pdf.trailer.unparse(resolved=True) + b"\n")
        for number in range(1, int(pdf.trailer.Size)):
            obj = pdf.get_object((number, 0))
            if not isinstance(obj, pikepdf.Object):
                out.write(f"obj {number} {obj}\n".encode())
            elif isinstance(obj, pikepdf.Stream):
                body = data(obj)
                out.write(f"obj {number} ".encode() + obj.stream_dict.unparse(resolved=True) + b"\n")
                out.write(f"stream {number} {len(body)}\n".encode() + body + b"\n")
            else:
                out.write(f"obj {number} ".encode() + obj.unparse(resolved=True) + b"\n")


if __name__ == "__main__":
    main(*sys.argv[1:])
