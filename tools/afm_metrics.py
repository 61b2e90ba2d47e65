#!/usr/bin/env python3
"""Generates pdf/fonts/core_metrics.cpp: the advance widths of the standard PDF fonts for codes 0..255.

Times, Helvetica and Courier are indexed by Windows-1252 code: each code is mapped to its glyph name
and the width is looked up by name in the AFM file, whose own codes follow StandardEncoding.
Symbol and ZapfDingbats keep the codes of their AFM files (their built-in encodings).

Choices for codes without a glyph:
- control codes 0..31 take the width of the space (they measure like blanks);
- the unused Windows-1252 codes 127, 129, 141, 143, 144 and 157 take the width of the bullet, the
  glyph viewers show for them under WinAnsiEncoding;
- codes that Symbol or ZapfDingbats leave empty measure 0.

Usage: afm_metrics.py [AFM folder] > pdf/fonts/core_metrics.cpp
The default folder is the one of the Debian package fonts-urw-base35, whose metrics equal the core
fonts' on every Windows-1252 code.
"""

import os
import sys

DEFAULT_FOLDER = "/usr/share/fonts/type1/urw-base35"

ASCII_NAMES = (
    "space exclam quotedbl numbersign dollar percent ampersand quotesingle parenleft parenright "
    "asterisk plus comma hyphen period slash zero one two three four five six seven eight nine "
    "colon semicolon less equal greater question at A B C D E F G H I J K L M N O P Q R S T U V W "
    "X Y Z bracketleft backslash bracketright asciicircum underscore grave a b c d e f g h i j k l "
    "m n o p q r s t u v w x y z braceleft bar braceright asciitilde").split()

HIGH_NAMES = (
    # 0x80 .. 0x9F ("-" marks a code Windows-1252 leaves unused)
    "Euro - quotesinglbase florin quotedblbase ellipsis dagger daggerdbl circumflex perthousand "
    "Scaron guilsinglleft OE - Zcaron - - quoteleft quoteright quotedblleft quotedblright bullet "
    "endash emdash tilde trademark scaron guilsinglright oe - zcaron Ydieresis "
    # 0xA0 .. 0xBF
    "space exclamdown cent sterling currency yen brokenbar section dieresis copyright ordfeminine "
    "guillemotleft logicalnot hyphen registered macron degree plusminus twosuperior threesuperior "
    "acute mu paragraph periodcentered cedilla onesuperior ordmasculine guillemotright onequarter "
    "onehalf threequarters questiondown "
    # 0xC0 .. 0xFF
    "Agrave Aacute Acircumflex Atilde Adieresis Aring AE Ccedilla Egrave Eacute Ecircumflex "
    "Edieresis Igrave Iacute Icircumflex Idieresis Eth Ntilde Ograve Oacute Ocircumflex Otilde "
    "Odieresis multiply Oslash Ugrave Uacute Ucircumflex Udieresis Yacute Thorn germandbls "
    "agrave aacute acircumflex atilde adieresis aring ae ccedilla egrave eacute ecircumflex "
    "edieresis igrave iacute icircumflex idieresis eth ntilde ograve oacute ocircumflex otilde "
    "odieresis divide oslash ugrave uacute ucircumflex udieresis yacute thorn ydieresis").split()

# (C++ name, AFM file, indexed by Windows-1252 glyph names?)
TABLES = [
    ("kTimesRoman", "NimbusRoman-Regular.afm", True),
    ("kTimesBold", "NimbusRoman-Bold.afm", True),
    ("kTimesItalic", "NimbusRoman-Italic.afm", True),
    ("kTimesBoldItalic", "NimbusRoman-BoldItalic.afm", True),
    ("kHelvetica", "NimbusSans-Regular.afm", True),
    ("kHelveticaBold", "NimbusSans-Bold.afm", True),
    ("kCourier", "NimbusMonoPS-Regular.afm", True),
    ("kSymbol", "StandardSymbolsPS.afm", False),
    ("kZapfDingbats", "D050000L.afm", False),
]


def windows1252_names():
    """Glyph name per code 0..255; None for control and unused codes."""
    names = [None] * 256
    for offset, name in enumerate(ASCII_NAMES):
        names[32 + offset] = name
    assert len(HIGH_NAMES) == 128
    for offset, name in enumerate(HIGH_NAMES):
        names[128 + offset] = None if name == "-" else name
    return names


def read_afm(path):
    """Returns ({name: width}, {code: (name, width)}) from the character metrics of an AFM file."""
    by_name, by_code = {}, {}
    with open(path, encoding="latin-1") as afm:
        for line in afm:
            if not line.startswith("C "):
                continue
            fields = {}
            for part in line.split(";"):
                words = part.split()
                if len(words) >= 2:
                    fields[words[0]] = words[1]
            width = round(float(fields["WX"]))
            by_name[fields["N"]] = width
            code = int(fields["C"])
            if 0 <= code <= 255:
                by_code[code] = (fields["N"], width)
    return by_name, by_code


def windows_widths(by_name):
    widths = []
    for code, name in enumerate(windows1252_names()):
        if name is not None:
            widths.append(by_name[name])
        elif code < 32:
            widths.append(by_name["space"])
        else:
            widths.append(by_name["bullet"])
    return widths


# Glyphs the URW Symbol adds to the core font's encoding (the Apple logo at 128).
NOT_IN_CORE_FONTS = {"apple"}


def builtin_widths(by_code):
    space = by_code[32][1]
    widths = []
    for code in range(256):
        name, width = by_code.get(code, (None, 0))
        widths.append(space if code < 32 else 0 if name in NOT_IN_CORE_FONTS else width)
    return widths


def format_table(name, widths):
    rows = []
    for start in range(0, 256, 16):
        rows.append("    " + ", ".join("%4d" % w for w in widths[start:start + 16]) + ",")
    return "const WidthTable %s = {{\n%s\n}};\n" % (name, "\n".join(rows))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_FOLDER
    out = sys.stdout
    out.write("// Generated by tools/afm_metrics.py from published AFM metrics; do not edit.\n")
    out.write("// Advance widths in thousandths of the font size, by character code 0..255.\n\n")
    out.write('#include "pdf/fonts/core_metrics.hpp"\n\nnamespace folivo::fonts {\n')
    for name, afm, by_windows_code in TABLES:
        by_name, by_code = read_afm(os.path.join(folder, afm))
        widths = windows_widths(by_name) if by_windows_code else builtin_widths(by_code)
        out.write("\n// %s\n" % afm)
        out.write(format_table(name, widths))
    out.write("\n}  // namespace folivo::fonts\n")


if __name__ == "__main__":
    main()
