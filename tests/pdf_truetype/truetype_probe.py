"""Independent readings for the TrueType tests, with fontTools and pikepdf.

  truetype_probe.py metrics TTF [CODEC]  the line "fonts" prints, as the font's own tables give it; the
                                      widths are the advances of the characters of the codec (cp1252 unless
                                      given), the missing glyph's where a code has no character
  truetype_probe.py build OUT KIND    writes a small font: "symbol" (a Microsoft symbol cmap at U+F041,
                                      U+F042) or "plain" (a Unicode cmap, no OS/2 table)
  truetype_probe.py fonts PDF DIR     one line per TrueType font: BaseFont, then "key value" pairs of its
                                      dictionary and descriptor, and whether it has a ToUnicode map; the
                                      embedded file goes to DIR/BaseFont.ttf
  truetype_probe.py hinting TTF       "hinting", then the hinting tables the file has ("-": none) and the
                                      bytes of instructions in all its glyphs, every glyph decoded
"""
import math
import os
import sys

import pikepdf
from fontTools.ttLib import TTFont


def scaled(value, upem):
    x = value * 1000 / upem
    return int(math.copysign(math.floor(abs(x) + 0.5), x))


def metrics(path, codec):
    font = TTFont(path)
    upem = font["head"].unitsPerEm
    os2, head, hhea, post = font["OS/2"], font["head"], font["hhea"], font["post"]
    full = next(r.toUnicode() for r in font["name"].names
                if r.nameID == 4 and r.platformID == 3 and r.langID == 1033).replace(" ", "")
    angle = round(post.italicAngle, 2)
    bold = os2.usWeightClass > 500
    suffix = ("Bold" if bold else "") + ("Italic" if angle != 0 else "")
    ascent = scaled(os2.usWinAscent, upem)
    flags = (32 if font["cmap"].getcmap(3, 1) else 4) + (64 if angle != 0 else 0) + (1 if post.isFixedPitch else 0)
    fields = [("Flags", flags), ("StemV", 120 if bold else 70), ("ItalicAngle", number(angle)),
              ("Ascent", ascent), ("Descent", -scaled(os2.usWinDescent, upem)), ("CapHeight", ascent),
              ("XHeight", ascent // 2), ("MaxWidth", scaled(hhea.advanceWidthMax, upem)),
              ("AvgWidth", scaled(os2.xAvgCharWidth, upem)),
              ("MissingWidth", scaled(font["hmtx"][font.getGlyphOrder()[0]][0], upem)),
              ("FontBBox", ",".join(str(scaled(v, upem)) for v in (head.xMin, head.yMin, head.xMax, head.yMax))),
              ("Length1", os.path.getsize(path))]
    cmap, order = font.getBestCmap(), font.getGlyphOrder()
    chars = [bytes([code]).decode(codec, errors="replace") for code in range(256)]
    advances = [font["hmtx"][cmap.get(ord(c), order[0]) if c != "\ufffd" else order[0]][0] for c in chars]
    fields.append(("Widths", ",".join(str(scaled(a, upem)) for a in advances)))
    print(full + ("," + suffix if suffix else ""), " ".join(f"{k} {v}" for k, v in fields))


def build(path, kind):
    from fontTools.fontBuilder import FontBuilder
    from fontTools.pens.ttGlyphPen import TTGlyphPen

    def box(width):
        pen = TTGlyphPen(None)
        pen.moveTo((50, 0)); pen.lineTo((50, 600)); pen.lineTo((width - 50, 600)); pen.lineTo((width - 50, 0))
        pen.closePath()
        return pen.glyph()

    advances = {".notdef": 500, "A": 700, "B": 300}
    builder = FontBuilder(2000, isTTF=True)
    builder.setupGlyphOrder(list(advances))
    base = 0xF040 if kind == "symbol" else 0x40
    builder.setupCharacterMap({base + 1: "A", base + 2: "B"})
    builder.setupGlyf({name: box(w) for name, w in advances.items()})
    builder.setupHorizontalMetrics({name: (w * 2, 50) for name, w in advances.items()})
    builder.setupHorizontalHeader(ascent=1600, descent=-400)
    builder.setupNameTable({"familyName": "Prova", "styleName": "Regular", "fullName": "Prova Piccola"})
    builder.setupOS2(usWinAscent=1800, usWinDescent=500, usWeightClass=400)
    builder.setupPost()
    cmap = builder.font["cmap"]
    if kind == "symbol":
        cmap.tables = [t for t in cmap.tables if t.platformID == 3]
        for table in cmap.tables:
            table.platEncID = 0
    else:
        del builder.font["OS/2"]
    builder.save(path)


def number(value):
    return str(float(value)).rstrip("0").rstrip(".")


def fonts(path, folder):
    pdf = pikepdf.open(path)
    for obj in pdf.objects:
        if not isinstance(obj, pikepdf.Dictionary) or obj.get("/Subtype") != "/TrueType":
            continue
        base = str(obj.BaseFont)[1:]
        desc = obj.FontDescriptor
        fields = [("FirstChar", int(obj.FirstChar)), ("LastChar", int(obj.LastChar)),
                  ("Widths", ",".join(str(int(w)) for w in obj.Widths))]
        for key in ("Flags", "StemV", "ItalicAngle", "Ascent", "Descent", "CapHeight", "XHeight",
                    "MaxWidth", "AvgWidth", "MissingWidth"):
            fields.append((key, number(desc[f"/{key}"])))
        fields.append(("FontBBox", ",".join(number(v) for v in desc.FontBBox)))
        fields.append(("FontName", str(desc.FontName)[1:]))
        fields.append(("ToUnicode", "yes" if "/ToUnicode" in obj else "no"))
        stream = desc.get("/FontFile2")
        fields.append(("Length1", int(stream.Length1) if stream is not None else "-"))
        filters = stream.get("/Filter") if stream is not None else None
        fields.append(("Filter", ",".join(str(f) for f in filters) if filters else "-"))
        if stream is not None:
            with open(os.path.join(folder, base + ".ttf"), "wb") as out:
                out.write(stream.read_bytes())
        print(base, " ".join(f"{k} {v}" for k, v in fields))


def hinting(path):
    font = TTFont(path)
    tables = [tag.strip() for tag in ("cvt ", "fpgm", "prep") if tag in font]
    glyf = font["glyf"]
    program = 0
    for name in font.getGlyphOrder():
        glyph = glyf[name]
        glyph.expand(glyf)
        if hasattr(glyph, "program"):
            program += len(glyph.program.getBytecode())
    print("hinting", "tables", ",".join(tables) or "-", "program", program)


if __name__ == "__main__":
    if sys.argv[1] == "build":
        build(sys.argv[2], sys.argv[3])
    elif sys.argv[1] == "hinting":
        hinting(sys.argv[2])
    elif sys.argv[1] == "metrics":
        metrics(sys.argv[2], sys.argv[3] if len(sys.argv) > 3 else "cp1252")
    else:
        fonts(sys.argv[2], sys.argv[3])
