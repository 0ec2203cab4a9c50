#!/usr/bin/env python3
"""The portable DXF and the SVG of a drawing read back: EXACT_DXF PORTABLE_DXF SVG [...].

Portable: ezdxf's audit finds nothing; the exact file's entity counts; every dimension block with its lines,
arrows, text and points; unique handles below $HANDSEED; header and style agree; LibreCAD renders a sane page.
SVG: XML, self-contained, one <text> per cell, mark, grid label and dimension. Status 1 on any fault.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from collections import Counter

try:
    import ezdxf
except ImportError:
    sys.exit("drawing_check: ezdxf is missing; run this with /usr/bin/python3 (python3-ezdxf)")

COUNTED = ("LINE", "TEXT", "POLYLINE", "CIRCLE", "DIMENSION")
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def tags(path):
    """(code, value) pairs of a DXF file, codes without their blanks."""
    lines = open(path, "rb").read().decode("latin-1").split("\r\n")
    return [(lines[i].strip(), lines[i + 1]) for i in range(0, len(lines) - 1, 2)]


def sections(pairs):
    """Entities of each section as (name, [(code, value)...]) lists."""
    out, name, current = {}, None, None
    for code, value in pairs:
        if code == "0" and value == "SECTION":
            name = None
        elif code == "2" and name is None and current is None:
            name, out[value] = value, []
        elif code == "0" and value == "ENDSEC":
            name, current = None, None
        elif code == "0" and name:
            current = (value, [])
            out[name].append(current)
        elif current is not None and name:
            current[1].append((code, value))
    return out


def exact_counts(exact):
    """Entity counts and the texts of the exact file, per layer."""
    ents = sections(tags(exact))["ENTITIES"]
    counts = Counter(n for n, _ in ents if n in COUNTED)
    texts = Counter(dict(g).get("8") for n, g in ents if n == "TEXT")
    return counts, texts


def check_portable(exact, portable):
    name = os.path.basename(portable)
    doc = ezdxf.readfile(portable)
    auditor = doc.audit()
    check(not auditor.errors, f"{name}: audit errors {[e.message for e in auditor.errors][:5]}")
    check(not auditor.fixes, f"{name}: audit fixes {[f.message for f in auditor.fixes][:5]}")

    counts, _ = exact_counts(exact)
    got = Counter(e.dxftype() for e in doc.modelspace() if e.dxftype() in COUNTED)
    check(got == counts, f"{name}: entities {dict(got)}, the exact drawing has {dict(counts)}")

    for dim in doc.modelspace().query("DIMENSION"):
        block = Counter(e.dxftype() for e in doc.blocks[dim.dxf.geometry])
        want = {"LINE": 3, "SOLID": 2, "TEXT": 1, "POINT": 3}
        check(dict(block) == want, f"{name}: block {dim.dxf.geometry} holds {dict(block)}, not {want}")
        shown = [t.dxf.text for t in doc.blocks[dim.dxf.geometry].query("TEXT")]
        check(shown == [dim.dxf.text], f"{name}: {dim.dxf.geometry} shows {shown}, its dimension says {dim.dxf.text}")
        check(len(dim.dxf.text.split(".")[-1]) == 3, f"{name}: dimension text {dim.dxf.text} is not to the millimetre")

    # Handles, straight from the file: every entity of BLOCKS and ENTITIES has one, none repeats.
    parts = sections(tags(portable))
    handles = [dict(g).get("5") for s in ("BLOCKS", "ENTITIES") for _, g in parts[s]]
    check(None not in handles, f"{name}: {handles.count(None)} entities without a handle")
    repeated = [h for h, n in Counter(handles).items() if n > 1]
    check(not repeated, f"{name}: handles used more than once: {repeated[:5]}")
    seed = int(doc.header.get("$HANDSEED", "0"), 16)
    check(all(int(h, 16) < seed for h in handles if h), f"{name}: a handle at or past $HANDSEED {seed:X}")

    style = doc.dimstyles.get("STANDARD")
    for var in ("dimscale", "dimtxt", "dimasz", "dimexe", "dimexo", "dimgap", "dimtad", "dimtsz"):
        head = doc.header.get("$" + var.upper())
        check(head == style.dxf.get(var), f"{name}: header ${var.upper()} {head} but DIMSTYLE {style.dxf.get(var)}")
    lo, hi = doc.header["$EXTMIN"], doc.header["$EXTMAX"]
    check(hi[0] > lo[0] and hi[1] > lo[1], f"{name}: extents {lo} to {hi}")


def check_librecad(portable):
    name = os.path.basename(portable)
    if not shutil.which("librecad") or not shutil.which("pdfinfo"):
        check(False, "librecad or pdfinfo missing (scripts/setup installs them)")
        return
    with tempfile.TemporaryDirectory() as out:
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        subprocess.run(["librecad", "dxf2pdf", "-a", "-f", "10,10,10,10", "-t", out, portable],
                       env=env, capture_output=True, timeout=120)
        pdf = os.path.join(out, os.path.splitext(os.path.basename(portable))[0] + ".pdf")
        if not os.path.exists(pdf):
            check(False, f"{name}: LibreCAD wrote no PDF")
            return
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
        size = [line.split()[2:5] for line in info.splitlines() if line.startswith("Page size:")]
        w, h = (float(size[0][0]), float(size[0][2])) if size else (0, 0)
        check(100 < w < 5000 and 100 < h < 5000, f"{name}: LibreCAD page of {w} x {h} pt")


def check_svg(exact, svg):
    name = os.path.basename(svg)
    try:
        root = ET.parse(svg).getroot()
    except ET.ParseError as e:
        check(False, f"{name}: not XML: {e}")
        return
    ns = "{http://www.w3.org/2000/svg}"
    check(root.tag == ns + "svg" and len(root.get("viewBox", "").split()) == 4, f"{name}: no svg root with a viewBox")
    raw = open(svg, encoding="utf-8").read()
    check("href" not in raw and "url(" not in raw and "@import" not in raw, f"{name}: refers to outside resources")
    counts, texts = exact_counts(exact)
    got = Counter()
    for group in root.iter(ns + "g"):
        if group.get("class"):
            got[group.get("class")] += sum(1 for _ in group.iter(ns + "text"))
    want = Counter(texts)
    want["Dimension"] = counts["DIMENSION"]
    check(+got == +want, f"{name}: texts per group {dict(got)}, the exact drawing has {dict(want)}")


def main(args):
    if not args or len(args) % 3:
        sys.exit(__doc__)
    for i in range(0, len(args), 3):
        exact, portable, svg = args[i:i + 3]
        check_portable(exact, portable)
        check_librecad(portable)
        check_svg(exact, svg)
    for f in failures:
        print("drawing_check:", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
