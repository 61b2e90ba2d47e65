"""Prints the transparency states and patterns of the shared page resources (object 2), one
"key value" fact a line, read with pikepdf.

  graphics_probe.py FILE
"""
import sys

import pikepdf


def numbers(array):
    return " ".join(str(float(v)).rstrip("0").rstrip(".") for v in array)


def main(path):
    with pikepdf.open(path) as pdf:
        print("version", pdf.pdf_version)
        resources = pdf.get_object((2, 0))
        for name, state in resources.get("/ExtGState", {}).items():
            print(f"gs{name} ca={float(state.ca):g} CA={float(state.CA):g} BM={state.BM}")
        spaces = resources.get("/ColorSpace", {})
        for name, space in spaces.items():
            print(f"cs{name}", " ".join(str(v) for v in space))
        for name, pattern in resources.get("/Pattern", {}).items():
            print(f"pattern{name} type={int(pattern.PatternType)} matrix={numbers(pattern.Matrix)}")
            if int(pattern.PatternType) == 2:
                shading = pattern.Shading
                function = shading.Function.Functions[0]
                print(f"shading{name} type={int(shading.ShadingType)} coords={numbers(shading.Coords)}"
                      f" extend={' '.join(str(bool(v)).lower() for v in shading.Extend)}"
                      f" c0={numbers(function.C0)} c1={numbers(function.C1)}")
            else:
                print(f"tiling{name} paint={int(pattern.PaintType)} bbox={numbers(pattern.BBox)}"
                      f" step={float(pattern.XStep):g},{float(pattern.YStep):g}"
                      f" cell={pattern.read_bytes().hex()}")


if __name__ == "__main__":
    main(sys.argv[1])
