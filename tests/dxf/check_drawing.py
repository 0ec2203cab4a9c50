#!/usr/bin/env python3
"""Reads the drawings footmark-cli writes with an independent DXF reader.

usage: check_drawing.py FOOTMARK_CLI EXAMPLES_DIR [--png FILE]

Both example buildings are designed at SBC 200 with a few columns set to one
side of their grid points. Each drawing must load in ezdxf, pass its audit
without errors, hold the expected number of entities of each type, and carry
the footing marks, columns, grid labels, offset dimensions and schedule cells
where the drawing puts them. The expected places are worked out here from the
design the front end reports as JSON. With --png the first drawing is also
rendered, to be looked at.
"""
import io
import json
import os
import subprocess
import sys
import tempfile
from collections import Counter

try:
    import ezdxf
except ImportError:
    sys.exit("check_drawing: the Python module ezdxf is missing; install Debian's "
             "python3-ezdxf (scripts/setup does) and run this with /usr/bin/python3")

CASES = [
    ("frame-4x3-2storey.ANL", ["1:1:0", "5:0:-1"]),
    ("frame-6x5-4storey.ANL", ["1:1:1", "8:-1:0", "27:0:1"]),
]
FOOTING_COLUMNS = [("Group", 3), ("Size", 3), ("Pedast", 3), ("Depth", 3), ("Steel", 3),
                   ("Nos  &  Spacing", 10)]
COLUMN_COLUMNS = [("Group", 3), ("Size", 6), ("Pedast", 4), ("Steel", 10), ("Ties", 6)]
TOL = 1e-4
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def near(p, x, y):
    return abs(p[0] - x) < TOL and abs(p[1] - y) < TOL


def without_rectangle_handles(raw):
    """Every rectangle repeats the handles 48 and 50..53, which AutoCAD ignores
    in an R12 file whose header does not switch handles on; ezdxf keeps one
    entity per handle, so a copy without them shows every rectangle."""
    lines = raw.decode("cp1252").split("\r\n")
    kept = []
    i = 0
    while i < len(lines):
        if lines[i].strip() == "5" and kept and kept[-1] in ("POLYLINE", "VERTEX"):
            i += 2
            continue
        kept.append(lines[i])
        i += 1
    return ezdxf.read(io.StringIO("\n".join(kept)))


def offsets_of(support, chosen):
    """The sides a drag would set: an axis no larger than the 230 mm wall stays."""
    ox, oy = chosen.get(support["support"], (0, 0))
    return (ox if support["col_depth"] > 230 else 0, oy if support["col_width"] > 230 else 0)


def check_drawing(name, raw, design, chosen):
    doc = ezdxf.read(io.StringIO(raw.decode("cp1252").replace("\r\n", "\n")))
    auditor = doc.audit()
    check(not auditor.errors, f"{name}: audit errors {[e.message for e in auditor.errors]}")
    # The only repair: dropping the rectangles that repeat the handle 48.
    check(all("POLYLINE(#48)" in f.message for f in auditor.fixes), f"{name}: audit fixes beyond repeated handles")
    msp = doc.modelspace()
    counts = Counter(e.dxftype() for e in msp)
    lines = raw.split(b"\r\n")
    counts["POLYLINE"] = lines.count(b"POLYLINE")

    supports = design["footings"]
    groups = {g["mark"]: g for g in design["footing_groups"]}
    xs = sorted({s["pos_x"] for s in supports})
    ys = sorted({s["pos_y"] for s in supports})
    nx, ny, ytop = len(xs), len(ys), ys[-1]
    rf, rc = len(design["footing_groups"]), len(design["column_types"])
    sides = [offsets_of(s, chosen) for s in supports]
    dims = nx - 1 + ny - 1 + sum((ox != 0) + (oy != 0) for ox, oy in sides)
    expected = {
        "LINE": nx + ny + 2 + (rf + 2) * 6 + 2 + (rc + 2) * 5,
        "TEXT": len(supports) + nx + ny + (rf + 1) * 6 + (rc + 1) * 5,
        "CIRCLE": nx + ny,
        "DIMENSION": dims,
        "POLYLINE": 2 * len(supports),
    }
    check(dict(counts) == expected, f"{name}: entities {dict(counts)}, expected {expected}")
    check(all(f"*D{k}" in doc.blocks for k in range(dims)), f"{name}: dimension blocks *D0.. missing")

    texts = [(t.dxf.layer, t.dxf.text, t.dxf.insert) for t in msp.query("TEXT")]

    def has_text(layer, text, x, y):
        return any(la == layer and te == text and near(p, x, y) for la, te, p in texts)

    plain = without_rectangle_handles(raw)
    rectangles = [[v.dxf.location for v in pl.vertices] for pl in plain.modelspace().query("POLYLINE")
                  if pl.is_closed]
    dimensions = [(d.dxf.defpoint2, d.dxf.defpoint3) for d in msp.query("DIMENSION")]

    for s, (ox, oy) in zip(supports, sides):
        cx = (s["col_depth"] / 1000 - 0.23) / 2 * ox + s["pos_x"]
        cy = ytop - ((s["col_width"] / 1000 - 0.23) / 2 * oy + s["pos_y"])
        group = groups[f"F{s['group']}"]
        mark = f"F{s['group']}/P{group['ped_type']}/C{s['col_type']}"
        check(has_text("Layout", mark, cx, cy + s["side"] / 2 - 0.25), f"{name}: mark {mark} of support {s['support']}")
        hx, hy = s["col_depth"] / 2000, s["col_width"] / 2000
        corners = [(cx - hx, cy - hy), (cx + hx, cy - hy), (cx + hx, cy + hy), (cx - hx, cy + hy)]
        check(any(len(r) == 4 and all(near(v, *c) for v, c in zip(r, corners)) for r in rectangles),
              f"{name}: column of support {s['support']} not at {corners}")
        yg = ytop - s["pos_y"]
        if ox:
            check(any(near(a, s["pos_x"], yg) and near(b, cx, yg) for a, b in dimensions),
                  f"{name}: offset dimension along X of support {s['support']}")
        if oy:
            check(any(near(a, s["pos_x"], yg) and near(b, s["pos_x"], cy) for a, b in dimensions),
                  f"{name}: offset dimension along Y of support {s['support']}")

    for j, x in enumerate(xs, 1):
        check(has_text("Grid", chr(64 + j), x, ys[-1] + 3.15), f"{name}: grid letter {chr(64 + j)}")
    for i, y in enumerate(ys, 1):
        check(has_text("Grid", str(i), xs[0] - 3.3, ytop - y - 0.12), f"{name}: grid number {i}")

    # The tables stand 10 m right of the rightmost joint; in both buildings
    # that is the last column line.
    x0 = xs[-1] + 10
    for columns, top, marks in ((FOOTING_COLUMNS, 15, [f"F{r}" for r in range(1, rf + 1)]),
                                (COLUMN_COLUMNS, 12 - len(design["size_classes"]),
                                 [c["mark"] for c in design["column_types"]])):
        left = x0
        for header, width in columns:
            check(has_text("TblText", header, left + width / 2, top - 1), f"{name}: header {header!r} at {top - 1}")
            left += width
        for r, mark in enumerate(marks, 1):
            check(has_text("TblText", mark, x0 + 1.5, top - 1 - r), f"{name}: schedule cell {mark}")
    print(f"{name}: {dict(counts)} (POLYLINE counted in the file's text), "
          f"audit: {len(auditor.errors)} errors, {len(auditor.fixes)} fixes (repeated rectangle handles)")


def render_png(raw, png):
    import logging
    logging.getLogger("matplotlib.font_manager").setLevel(logging.ERROR)
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt
    from ezdxf.addons.drawing import Frontend, RenderContext
    from ezdxf.addons.drawing.matplotlib import MatplotlibBackend
    from ezdxf.addons.drawing.properties import LayoutProperties

    doc = without_rectangle_handles(raw)
    msp = doc.modelspace()
    # The dimension blocks are empty for the reader to fill in. ezdxf 0.18
    # takes DIMRND 0 as rounding to whole units, so render to millimetres.
    for dim in msp.query("DIMENSION"):
        override = dim.override()
        override.update({"dimrnd": 0.001, "dimdsep": ord(".")})
        override.render()
    fig = plt.figure(figsize=(24, 12))
    ax = fig.add_axes([0, 0, 1, 1])
    props = LayoutProperties.from_layout(msp)
    props.set_colors("#ffffff")
    Frontend(RenderContext(doc), MatplotlibBackend(ax)).draw_layout(msp, finalize=True, layout_properties=props)
    fig.savefig(png, dpi=120)
    print(f"rendered to {png}")


def main():
    args = sys.argv[1:]
    png = None
    if "--png" in args:
        k = args.index("--png")
        png = args[k + 1]
        del args[k:k + 2]
    if len(args) != 2:
        sys.exit(__doc__)
    cli, examples = args
    with tempfile.TemporaryDirectory() as scratch:
        for anl, offsets in CASES:
            dxf = os.path.join(scratch, anl.replace(".ANL", ".dxf"))
            report = os.path.join(scratch, anl.replace(".ANL", ".json"))
            command = [cli, os.path.join(examples, anl), "--sbc", "200", "--dxf", dxf, "--json", report]
            for o in offsets:
                command += ["--offset", o]
            run = subprocess.run(command, capture_output=True, text=True)
            if run.returncode != 0:
                failures.append(f"{anl}: footmark-cli ended with {run.returncode}: {run.stderr}")
                continue
            check(f"Drawing written to {dxf}" in run.stdout, f"{anl}: the report does not say where the drawing is")
            with open(report) as f:
                design = json.load(f)
            with open(dxf, "rb") as f:
                raw = f.read()
            chosen = {int(s): (int(x), int(y)) for s, x, y in (o.split(":") for o in offsets)}
            check_drawing(os.path.basename(dxf), raw, design, chosen)
            if png:
                render_png(raw, png)
                png = None
    for f in failures:
        print("FAIL", f, file=sys.stderr)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
