#!/usr/bin/env python3
"""Applies a fixed list of deliberate faults to Folivo, one at a time, in a copy of the working tree,
rebuilds the pdf test suites that should notice and prints which faults they caught.
Usage: bench/pdf_mutations.py [WORK_FOLDER]   (default /tmp/kv-mutations; its build is reused)"""
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = sys.argv[1] if len(sys.argv) > 1 else "/tmp/kv-mutations"
SRC, BUILD = os.path.join(WORK, "src"), os.path.join(WORK, "build")

# name, file, text, replacement, suites
MUTATIONS = [
    ("Deflate lazy match drops the literal", "pdf/codec/lz77.cpp",
     "            sink.Literal(input[pos]);\n            ++pos;", "            ++pos;", ["codec"]),
    ("RC4 object key one byte short", "pdf/security/standard_security.cpp",
     "s.objectKeyLength = 10;", "s.objectKeyLength = 9;", ["security"]),
    ("xref offsets one byte late", "pdf/core/object_store.cpp",
     "static_cast<long long>(offset));", "static_cast<long long>(offset + 1));", ["core"]),
    ("LZW widens its code one entry late", "pdf/codec/lzw.cpp",
     "next < 512 ? 9", "next < 513 ? 9", ["codec"]),
    ("Name escaping forgets '#'", "pdf/navigation/destination_table.cpp",
     'kDelimiters = "()<>[]{}/%#"', 'kDelimiters = "()<>[]{}/%"', ["navigation"]),
    ("UTF-8 lead byte of two-byte characters", "pdf/text/windows1252.cpp",
     "0xC0 | (c >> 6)", "0xE0 | (c >> 6)", ["core", "security"]),
    ("Justified text spreads over one gap too many", "pdf/text/line_layout.cpp",
     "static_cast<float>(words.size() - 1)", "static_cast<float>(words.size())", ["text"]),
    ("BMP rows in file order whatever the direction", "pdf/image/bmp_reader.cpp",
     "h.topDown ? h.height - 1 - row : row", "row", ["image"]),
    ("Abort keeps the files read for import", "pdf/folivo_document.cpp",
     "    doc_ = DocumentState{};",
     "    auto kept = std::move(doc_.sources);\n    doc_ = DocumentState{};\n    doc_.sources = std::move(kept);",
     ["import"]),
]


def run(command, cwd):
    return subprocess.run(command, cwd=cwd, shell=True, capture_output=True, text=True, errors="replace")


def copy_tree():
    os.makedirs(SRC, exist_ok=True)
    run("rm -rf tests/pdf_*", SRC)  # test files removed since the last copy must not linger
    run(f"git ls-files -co --exclude-standard | tar -cf - -T - | tar -xf - -C {SRC}", ROOT)
    if not os.path.exists(os.path.join(BUILD, "build.ninja")):
        run(f"cmake -S {SRC} -B {BUILD} -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVVELM_BENCH=OFF", WORK)


def caught(suites):
    targets = " ".join(f"pdf_{s}_tests" for s in suites)
    build = run(f"cmake --build {BUILD} -j2 --target {targets}", WORK)
    if build.returncode != 0:
        return "build fails"
    for s in suites:
        folder = os.path.join(BUILD, "tests", f"pdf_{s}")
        if run(f"./pdf_{s}_tests --gtest_brief=1", folder).returncode != 0:
            return f"caught ({s})"
    return "MISSED"


def main():
    copy_tree()
    print(f"{'fault':52} result")
    for name, path, text, replacement, suites in MUTATIONS:
        file = os.path.join(SRC, path)
        original = open(file).read()
        if text not in original:
            print(f"{name:52} mutation does not apply")
            continue
        open(file, "w").write(original.replace(text, replacement, 1))
        try:
            result = caught(suites)
        finally:
            open(file, "w").write(original)
        print(f"{name:52} {result}", flush=True)


if __name__ == "__main__":
    main()
