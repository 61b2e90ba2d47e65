"""Reads the interactive parts of a file back with pikepdf.

  nav_probe.py outline FILE   one line per bookmark, depth first:
                              depth|title hex|page number|view|colour|style
                              and "broken ..." lines where links disagree
  nav_probe.py annots FILE    one line per annotation: page|subtype|rect|what it does
  nav_probe.py notes FILE     one line per note: page|subtype|rect|key=value ... (strings as text)
  nav_probe.py pages FILE     one line per page: number|label|Dur|Trans dictionary ("-" when absent)
  nav_probe.py layers FILE    the optional-content groups, default states, list order and page properties
  nav_probe.py fields FILE    the form: "form ..." line, then one line per field: name|page|keys
  nav_probe.py scripts FILE   document and page JavaScript: where|script
  nav_probe.py dests FILE     one line per named destination: name|page number|view
"""
import sys

import pikepdf


def num(value):
    return str(float(value)).rstrip("0").rstrip(".")


def page_number(pdf, ref):
    for i, page in enumerate(pdf.pages, 1):
        if page.obj.objgen == ref.objgen:
            return i
    return 0


def view(items):
    values = list(items)
    return " ".join([str(values[1])] + [num(v) for v in values[2:]])


def check_links(parent, item, prev):
    if item.Parent.objgen != parent.objgen:
        print("broken parent", bytes(item.Title).hex())
    if prev is not None and ("/Prev" not in item or item.Prev.objgen != prev.objgen):
        print("broken prev", bytes(item.Title).hex())


def walk(pdf, parent, depth):
    item = parent.get("/First")
    prev = None
    while item is not None:
        check_links(parent, item, prev)
        dest = item.get("/Dest")
        page = page_number(pdf, dest[0]) if dest is not None else 0
        colour = " ".join(num(v) for v in item.C) if "/C" in item else "-"
        style = int(item.F) if "/F" in item else 0
        shown = view(dest) if dest is not None else "-"
        print(f"{depth}|{bytes(item.Title).hex()}|{page}|{shown}|{colour}|{style}")
        walk(pdf, item, depth + 1)
        if item.get("/Next") is None and parent.Last.objgen != item.objgen:
            print("broken last", bytes(item.Title).hex())
        prev, item = item, item.get("/Next")


def outline(pdf):
    root = pdf.Root.get("/Outlines")
    if root is None:
        print("none")
        return
    walk(pdf, root, 1)


def target(pdf, dest):
    if isinstance(dest, pikepdf.Name):
        dest = pdf.Root.Dests[str(dest)]
    return f"{page_number(pdf, dest[0])} {view(dest)}"


def action(pdf, annot):
    if "/Dest" in annot:
        return f"dest {annot.Dest} -> {target(pdf, annot.Dest)}"
    a = annot.get("/A")
    if a is None:
        return "-"
    kind = str(a.S)
    if kind == "/URI":
        return "uri " + bytes(a.URI).decode("latin-1")
    if kind == "/GoToR":
        return "file " + bytes(a.F).decode("latin-1")
    if kind == "/JavaScript":
        return "js " + a.JS.read_bytes().decode("latin-1").replace("\r", "\\r")
    return kind


def annots(pdf):
    for i, page in enumerate(pdf.pages, 1):
        for annot in page.obj.get("/Annots", []):
            print(f"{i}|{annot.Subtype}|{' '.join(num(v) for v in annot.Rect)}|{action(pdf, annot)}")


def show(value):
    if isinstance(value, pikepdf.Name):
        return value.unparse().decode("latin-1")
    if isinstance(value, pikepdf.String):
        return bytes(value).decode("latin-1")
    if isinstance(value, pikepdf.Array):
        return "[" + " ".join(show(v) for v in value) + "]"
    if isinstance(value, pikepdf.Dictionary):
        return "<" + " ".join(f"{k}={show(value[k])}" for k in sorted(value.keys())) + ">"
    if isinstance(value, (int, float, pikepdf.Object)) and not isinstance(value, (pikepdf.Name, bool)):
        try:
            return num(value)
        except (TypeError, ValueError):
            pass
    return str(value)


def notes(pdf):
    for i, page in enumerate(pdf.pages, 1):
        for annot in page.obj.get("/Annots", []):
            keys = [k for k in sorted(annot.keys()) if k not in ("/Type", "/Subtype", "/Rect")]
            fields = " ".join(f"{k}={show(annot[k])}" for k in keys)
            print(f"{i}|{annot.Subtype}|{show(annot.Rect)}|{fields}")


def pages(pdf):
    for i, page in enumerate(pdf.pages, 1):
        dur = num(page.obj.Dur) if "/Dur" in page.obj else "-"
        trans = show(page.obj.Trans) if "/Trans" in page.obj else "-"
        print(f"{i}|{page.label}|{dur}|{trans}")


def names(items):
    return " ".join(bytes(item.Name).decode("latin-1") for item in items)


def layers(pdf):
    props = pdf.Root.get("/OCProperties")
    if props is None:
        return
    for ocg in props.OCGs:
        usage = ocg.get("/Usage")
        shown = "-" if usage is None else f"print={usage.Print.PrintState} view={usage.View.ViewState}"
        print(f"ocg {bytes(ocg.Name).decode('latin-1')} {shown}")
    for key in ("/ON", "/OFF", "/Order"):
        print(f"{key[1:].lower()} {names(props.D[key])}")
    for entry in props.D.AS:
        print(f"as {entry.Event} {names(entry.OCGs)}")
    properties = pdf.pages[0].Resources.get("/Properties", {})
    for key in sorted(properties.keys()):
        print(f"resource {key} {bytes(properties[key].Name).decode('latin-1')}")


def js(action):
    code = action.JS
    text = code.read_bytes() if isinstance(code, pikepdf.Stream) else bytes(code)
    return text.decode("latin-1").replace("\r", "\\r")


def fields(pdf):
    form = pdf.Root.get("/AcroForm")
    if form is None:
        return
    calculated = " ".join(bytes(f.T).decode("latin-1") for f in form.CO)
    fonts = " ".join(sorted(str(k) for k in form.DR.Font.keys()))
    print(f"form need={form.NeedAppearances} co=[{calculated}] fonts=[{fonts}]")
    for field in form.Fields:
        skip = ("/Type", "/Subtype", "/P", "/T", "/AA", "/A", "/BS")
        keys = " ".join(f"{k}={show(field[k])}" for k in sorted(field.keys()) if k not in skip)
        events = " ".join(f"{k}:{js(field.AA[k])}" for k in sorted(field.AA.keys())) if "/AA" in field else "-"
        click = js(field.A) if "/A" in field else "-"
        border = show(field.BS)
        print(f"{bytes(field.T).decode('latin-1')}|{page_number(pdf, field.P)}|{keys}|bs={border}|aa={events}|a={click}")


def scripts(pdf):
    root = pdf.Root
    if "/OpenAction" in root:
        print(f"open|{js(root.OpenAction)}")
    for key in sorted(root.get("/AA", {}).keys()):
        print(f"{key}|{js(root.AA[key])}")
    if "/Names" in root:
        names = list(root.Names.JavaScript.Names)
        print(f"names {bytes(names[0]).decode('latin-1')}|{js(names[1])}")
    for i, page in enumerate(pdf.pages, 1):
        for key in sorted(page.obj.get("/AA", {}).keys()):
            print(f"page{i}{key}|{js(page.obj.AA[key])}")


def dests(pdf):
    table = pdf.Root.get("/Dests")
    for name in (table.keys() if table is not None else []):
        print(f"{name}|{target(pdf, table[name])}")


if __name__ == "__main__":
    with pikepdf.open(sys.argv[2]) as document:
        {"outline": outline, "annots": annots, "notes": notes, "pages": pages, "layers": layers, "fields": fields, "scripts": scripts,
         "dests": dests}[sys.argv[1]](document)
