"""Prints, for each byte 0x20..0xFF that cp1252 assigns, the byte, its character in UTF-8 and a newline."""
import sys

for b in range(32, 256):
    try:
        c = bytes([b]).decode("cp1252")
    except UnicodeDecodeError:
        continue
    sys.stdout.buffer.write(bytes([b]) + c.encode("utf-8") + b"\n")
