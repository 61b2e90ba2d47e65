# Faults in Folivo (pdf/), for tools/mutations/run.py. One row each: name, file, text, replacement, test suites that should notice
# (a suite is a folder under tests/, built as <suite>_tests).
MUTATIONS = [
    # codec
    ("Deflate lazy match drops the literal", "pdf/codec/lz77.cpp",
     "            sink.Literal(input[pos]);\n            ++pos;", "            ++pos;", ["pdf_codec"]),
    ("LZW widens its code one entry late", "pdf/codec/lzw.cpp",
     "next < 512 ? 9", "next < 513 ? 9", ["pdf_codec"]),
    ("ASCII85 keeps a whole group at the end", "pdf/codec/ascii85.cpp",
     "digits + k + 1);", "digits + 5);", ["pdf_codec"]),
    ("Run length repeats counted one short", "pdf/codec/run_length.cpp",
     "257 - run", "256 - run", ["pdf_codec"]),
    # core
    ("xref offsets one byte late", "pdf/core/object_store.cpp",
     "static_cast<long long>(offset));", "static_cast<long long>(offset + 1));", ["pdf_core"]),
    ("Thousandths round half down", "pdf/core/number_format.cpp",
     "std::floor(static_cast<double>(scaled) + 0.5)", "std::floor(static_cast<double>(scaled) + 0.49)", ["pdf_core"]),
    # security
    ("RC4 object key one byte short", "pdf/security/standard_security.cpp",
     "s.objectKeyLength = 10;", "s.objectKeyLength = 9;", ["pdf_security"]),
    ("MD5 starts from a wrong state", "pdf/security/md5.cpp",
     "0x67452301, 0xefcdab89", "0x67452301, 0xefcdab88", ["pdf_security"]),
    ("Blank owner password kept blank", "pdf/security/standard_security.cpp",
     "IsBlank(ownerPwd) ? userPwd : ownerPwd", "IsBlank(ownerPwd) ? ownerPwd : ownerPwd", ["pdf_security"]),
    # text
    ("UTF-8 lead byte of two-byte characters", "pdf/text/windows1252.cpp",
     "0xC0 | (c >> 6)", "0xE0 | (c >> 6)", ["pdf_core", "pdf_security"]),
    ("Justified text spreads over one gap too many", "pdf/text/line_layout.cpp",
     "static_cast<float>(words.size() - 1)", "static_cast<float>(words.size())", ["pdf_text"]),
    ("Text width ignores horizontal scaling", "pdf/text/measure.cpp",
     "points * state_.horizontalScaling / 100.0f", "points", ["pdf_text"]),
    # image
    ("BMP rows in file order whatever the direction", "pdf/image/bmp_reader.cpp",
     "h.topDown ? h.height - 1 - row : row", "row", ["pdf_image"]),
    ("GIF code table restarts one entry late", "pdf/image/gif_lzw.cpp",
     "            next = clear + 2;", "            next = clear + 3;", ["pdf_image"]),
    ("TGA run packets one pixel short", "pdf/image/tga_reader.cpp",
     "header >= 128 ? header - 127u", "header >= 128 ? header - 128u", ["pdf_image"]),
    # import
    ("Abort keeps the files read for import", "pdf/folivo_document.cpp",
     "    doc_ = DocumentState{};",
     "    auto kept = std::move(doc_.sources);\n    doc_ = DocumentState{};\n    doc_.sources = std::move(kept);",
     ["pdf_import"]),
    ("Octal escapes in read strings take one digit", "pdf/reader/parser.cpp",
     "k < 2 && Peek()", "k < 1 && Peek()", ["pdf_import"]),
    ("A single content stream loses its filter", "pdf/reader/page_import.cpp",
     '{"Filter", "DecodeParms"}', '{"DecodeParms"}', ["pdf_import"]),
    # navigation
    ("Name escaping forgets '#'", "pdf/navigation/destination_table.cpp",
     'kDelimiters = "()<>[]{}/%#"', 'kDelimiters = "()<>[]{}/%"', ["pdf_navigation"]),
    ("A page transition lasts past its page", "pdf/folivo_presentation.cpp",
     "    doc_.nav.transition.clear();\n", "", ["pdf_navigation"]),
    # forms
    ("Fields print even when asked not to", "pdf/navigation/field_widget.cpp",
     "if (!(options & 2)) look.annotFlags |= 4;", "look.annotFlags |= 4;", ["pdf_navigation"]),
    ("Field flag bit of a password field", "pdf/navigation/field_widget.cpp",
     "{32, 8192, 0}", "{32, 4096, 0}", ["pdf_navigation"]),
    # truetype
    ("Character map drops idDelta of mapped glyphs", "pdf/truetype/char_map.cpp",
     "glyph == 0 ? 0 : static_cast<uint16_t>(glyph + delta)", "glyph", ["pdf_truetype"]),
    ("Character map segment count read at the wrong place", "pdf/truetype/char_map.cpp",
     "reader.U16(offset + 6) / 2u", "reader.U16(offset + 8) / 2u", ["pdf_truetype"]),
    ("TrueType table lengths go unchecked", "pdf/truetype/table_directory.cpp",
     "reader.Require(entry.offset, entry.length, \"table '\" + tag + \"'\");", "", ["pdf_truetype"]),
    # barcode
    ("Code 128 check symbol modulo 102", "pdf/barcode/code128.cpp",
     "sum % 103", "sum % 102", ["pdf_barcode"]),
    ("EAN set C digit 7 mistyped", "pdf/barcode/ean.cpp",
     '"1010000", "1000100"', '"1010000", "1001000"', ["pdf_barcode"]),
    # graphics
    ("Ellipse control points off the circle", "pdf/graphics/shapes.cpp",
     "(std::sqrt(2.0) - 1) * 4 / 3", "(std::sqrt(2.0) - 1) * 3 / 4", ["pdf_graphics"]),
    ("Dash-dot pattern loses its dot", "pdf/graphics/stroke_style.cpp",
     "kDashDot{0.1f, 0.05f, 0.05f, 0.05f}", "kDashDot{0.1f, 0.05f, 0.1f, 0.05f}", ["pdf_graphics"]),
    ("Uncoloured tiling cells written as coloured", "pdf/graphics/tiling.cpp",
     '(cell.style == 0 ? "1" : "2")', '(cell.style == 0 ? "1" : "1")', ["pdf_graphics"]),
]
