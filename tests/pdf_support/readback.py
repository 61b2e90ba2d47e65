"""Reads a file the pdf test suites wrote back with pikepdf and prints it in one plain form, a record
each: "KIND NUMBER LENGTH", a line feed, LENGTH bytes and a line feed.

  readback.py FILE [PASSWORD]

  version 0               the PDF version
  page N                  the object number of each page, page 1 first; its data is the page label
  trailer 0               the trailer
  obj N                   every object, as pikepdf writes it (references as "n 0 R")
  stream N                a stream's decoded data (raw when undecodable, as JPEG)
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

    def put(kind, number, body):
        body = body if isinstance(body, bytes) else str(body).encode()
        out.write(f"{kind} {number} {len(body)}\n".encode() + body + b"\n")

    with pikepdf.open(path, password=password) as pdf:
        put("version", 0, pdf.pdf_version)
        for page in pdf.pages:
            put("page", page.obj.objgen[0], page.label)
        put("trailer", 0, pdf.trailer.unparse(resolved=True))
        for number in range(1, int(pdf.trailer.Size)):
            obj = pdf.get_object((number, 0))
            if not isinstance(obj, pikepdf.Object):
                put("obj", number, obj)
            elif isinstance(obj, pikepdf.Stream):
                put("obj", number, obj.stream_dict.unparse(resolved=True))
                put("stream", number, data(obj))
            else:
                put("obj", number, obj.unparse(resolved=True))


if __name__ == "__main__":
    main(*sys.argv[1:])
