#!/usr/bin/env python3
"""Drawings of the examples at SBC 200 read back by ezdxf against the batch front end's design (JSON).

usage: journey_check.py cli FOOTMARK_CLI EXAMPLES_DIR      (the exact drawing, two offsets each)
       journey_check.py drawing FOOTMARK_CLI ANALYSIS_FILE DXF_FILE SUPPORT:X:Y...   (a drawing the window left)
Audit, entities, the F/P/C marks, grid chains and offset dimensions, grid letters, both schedules. The only
repair: the rectangles share one handle. (The sheet's files: drawing/sheet_check.py.)
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
    sys.exit("journey_check: ezdxf is missing; run this with /usr/bin/python3 (python3-ezdxf)")

# Each offset moves one column axis: to the low side along X, to the high side along Y.
CASES = [("frame-4x3-2storey.ANL", ["2:-1:0", "8:0:1"]), ("frame-6x5-4storey.ANL", ["8:-1:0", "27:0:1"])]
HEADS = (["Group", "Size", "Pedast", "Depth", "Steel", "Nos  &  Spacing"], ["Group", "Size", "Pedast", "Steel", "Ties"])
failures = []


class Any:
    def __eq__(self, other):
        return True

    def __repr__(self):
        return "*"


def check(ok, what):
    if not ok:
        failures.append(what)


def key(*values):
    return tuple(round(v, 3) for v in values)


def run_cli(cli, anl, offsets, *extra):
    command = [cli, anl, "--sbc", "200", *extra] + [a for o in offsets for a in ("--offset", o)]
    run = subprocess.run(command, capture_output=True, text=True)
    # 4: designed and drawn, and a group fails its checks (the 6x5 example's corners overturn).
    check(run.returncode in (0, 4), f"{anl}: footmark-cli ended with {run.returncode}: {run.stderr}")
    return run


def check_drawing(name, raw, design, offsets):
    doc = ezdxf.read(io.StringIO(raw.decode("cp1252").replace("\r\n", "\n")))
    auditor = doc.audit()
    check(not auditor.errors, f"{name}: audit errors {[e.message for e in auditor.errors]}")
    # The only repair: dropping the rectangles that repeat the handle 48.
    check(all("POLYLINE(#48)" in f.message for f in auditor.fixes), f"{name}: audit fixes beyond repeated handles")
    msp = doc.modelspace()

    supports = design["footings"]
    xs, ys = sorted({s["pos_x"] for s in supports}), sorted({s["pos_y"] for s in supports})
    top, rf, rc = ys[-1], len(design["footing_groups"]), len(design["column_types"])
    chosen = {int(s): (int(x), int(y)) for s, x, y in (o.split(":") for o in offsets)}
    # Dimensions as (first point, second point, angle): the two grid chains,
    # then one per offset axis from the grid point to the column centre.
    dims = [key(-2, top - ys[i], -2, top - ys[i - 1], 90) for i in range(1, len(ys))]
    dims += [key(xs[j - 1], top + 2, xs[j], top + 2, 0) for j in range(1, len(xs))]
    marks = []
    groups = {g["mark"]: g for g in design["footing_groups"]}
    for s in supports:
        ox, oy = chosen.get(s["support"], (0, 0))
        x, y = s["pos_x"], top - s["pos_y"]
        cx, cy = x + (s["col_depth"] / 1000 - .23) / 2 * ox, y - (s["col_width"] / 1000 - .23) / 2 * oy
        if cx != x:
            dims.append(key(x, y, cx, y, 0))
        if cy != y:
            dims.append(key(x, y, x, cy, 90))
        mark = f"F{s['group']}/P{groups['F' + str(s['group'])]['ped_type']}/C{s['col_type']}"
        marks.append(("Layout", mark) + key(cx, cy + s["side"] / 2 - .25))
    found = [key(*d.dxf.defpoint2.vec2, *d.dxf.defpoint3.vec2, d.dxf.get("angle", 0)) for d in msp.query("DIMENSION")]
    check(sorted(found) == sorted(dims), f"{name}: dimensions {sorted(found)}, expected {sorted(dims)}")
    check(len(dims) == len(xs) + len(ys), f"{name}: offsets {offsets} do not move two column axes")
    check(all(f"*D{k}" in doc.blocks for k in range(len(dims))), f"{name}: dimension blocks *D0.. missing")

    counts = Counter(e.dxftype() for e in msp)
    # ezdxf keeps one entity per handle and every rectangle has the same ones.
    counts["POLYLINE"] = raw.split(b"\r\n").count(b"POLYLINE")
    expected = {"LINE": len(xs) + len(ys) + 2 + (rf + 2) * 6 + 2 + (rc + 2) * 5, "CIRCLE": len(xs) + len(ys),
                "TEXT": len(supports) + len(xs) + len(ys) + (rf + 1) * 6 + (rc + 1) * 5,
                "DIMENSION": len(dims), "POLYLINE": 2 * len(supports)}
    check(dict(counts) == expected, f"{name}: entities {dict(counts)}, expected {expected}")

    texts = {(t.dxf.layer, t.dxf.text) + key(*t.dxf.insert.vec2) for t in msp.query("TEXT")}
    for m in marks:
        check(m in texts, f"{name}: footing mark {m[1]} not at {m[2:]}")
    for j, x in enumerate(xs, 1):
        check(("Grid", chr(64 + j)) + key(x, top + 3.15) in texts, f"{name}: grid letter {chr(64 + j)}")
    # The schedules, rows from the top down 10 m right of the rightmost joint.
    c_top = 11 - len(design["size_classes"])
    want = {14: HEADS[0], c_top: HEADS[1]}
    for r, g in enumerate(design["footing_groups"], 1):
        want[14 - r] = [g["mark"]] + [f"{g[k]:.7g}" for k in ("size", "pedestal", "depth", "bar_dia")] + [g["bar_text"]]
    for r, c in enumerate(design["column_types"], 1):
        want[c_top - r] = [c["mark"], Any(), Any(), c["bar_label"], c["ties"]]
    rows = {}
    for t in sorted(msp.query('TEXT[layer=="TblText"]'), key=lambda t: t.dxf.insert.x):
        rows.setdefault(key(t.dxf.insert.x, t.dxf.insert.y)[1], []).append(t.dxf.text)
        check(t.dxf.insert.x > xs[-1] + 10, f"{name}: schedule cell {t.dxf.text} not right of the building")
    check(rows == want, f"{name}: schedules {rows}, expected {want}")
    print(f"{name}: {dict(counts)}, audit: {len(auditor.errors)} errors, {len(auditor.fixes)} fixes")


def main():
    mode, args = (sys.argv[1], sys.argv[2:]) if len(sys.argv) > 2 else (None, [])
    with tempfile.TemporaryDirectory() as scratch:
        report = os.path.join(scratch, "design.json")
        if mode == "drawing" and len(args) >= 3:
            cli, anl, dxf, offsets = args[0], args[1], args[2], args[3:]
            if run_cli(cli, anl, offsets, "--dxf", report + ".dxf", "--json", report).returncode in (0, 4):
                with open(report) as f, open(dxf, "rb") as d:
                    check_drawing(os.path.basename(dxf), d.read(), json.load(f), offsets)
        elif mode == "cli" and len(args) == 2:
            for anl, offsets in CASES:
                dxf = os.path.join(scratch, anl.replace(".ANL", ".dxf"))
                run = run_cli(args[0], os.path.join(args[1], anl), offsets, "--dxf", dxf, "--json", report)
                check(f"\nDrawing written to {dxf}\n" in run.stdout, f"{anl}: the report does not name the drawing")
                if os.path.exists(dxf):
                    with open(report) as f, open(dxf, "rb") as d:
                        check_drawing(os.path.basename(dxf), d.read(), json.load(f), offsets)
                else:
                    failures.append(f"{anl}: no drawing {dxf} written")
        else:
            sys.exit(__doc__)
    for f in failures:
        print("FAIL", f, file=sys.stderr)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
