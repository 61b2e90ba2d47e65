"""Writes the decoded bytes of the given objects of a PDF to <dir>/<number>.bin (pikepdf)."""
import sys

import pikepdf


def main(pdf_path, out_dir, numbers):
    with pikepdf.open(pdf_path) as pdf:
        for number in numbers:
            stream = pdf.get_object((int(number), 0))
            with open(f"{out_dir}/{number}.bin", "wb") as out:
                out.write(stream.read_bytes(pikepdf.StreamDecodeLevel.specialized))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
