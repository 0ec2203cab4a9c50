#!/usr/bin/env python3
"""Opens the drawings footmark-cli writes for both examples with ezdxf: each must load, pass audit()
and hold the expected entity counts, footing marks, grid letters and schedule marks.

usage: check_drawing.py FOOTMARK_CLI EXAMPLES_DIR
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
    sys.exit("check_drawing: ezdxf is missing; install python3-ezdxf (scripts/setup does), run with /usr/bin/python3")

CASES = [("frame-4x3-2storey.ANL", ["1:1:0", "5:0:-1"]), ("frame-6x5-4storey.ANL", ["1:1:1", "8:-1:0", "27:0:1"])]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def check_drawing(name, raw, design, chosen):
    doc = ezdxf.read(io.StringIO(raw.decode("cp1252").replace("\r\n", "\n")))
    auditor = doc.audit()
    check(not auditor.errors, f"{name}: audit errors {[e.message for e in auditor.errors]}")
    # The only repair: dropping the rectangles that repeat the handle 48.
    check(all("POLYLINE(#48)" in f.message for f in auditor.fixes), f"{name}: audit fixes beyond repeated handles")
    msp = doc.modelspace()
    counts = Counter(e.dxftype() for e in msp)
    # ezdxf keeps one entity per handle, so rectangles are counted in the file's text.
    counts["POLYLINE"] = raw.split(b"\r\n").count(b"POLYLINE")

    supports = design["footings"]
    xs = sorted({s["pos_x"] for s in supports})
    ys = sorted({s["pos_y"] for s in supports})
    rf, rc = len(design["footing_groups"]), len(design["column_types"])
    # A side no larger than the 230 mm wall stays centred.
    sides = [(ox if s["col_depth"] > 230 else 0, oy if s["col_width"] > 230 else 0)
             for s in supports for ox, oy in [chosen.get(s["support"], (0, 0))]]
    dims = len(xs) - 1 + len(ys) - 1 + sum((ox != 0) + (oy != 0) for ox, oy in sides)
    expected = {"LINE": len(xs) + len(ys) + 2 + (rf + 2) * 6 + 2 + (rc + 2) * 5, "CIRCLE": len(xs) + len(ys),
                "TEXT": len(supports) + len(xs) + len(ys) + (rf + 1) * 6 + (rc + 1) * 5,
                "DIMENSION": dims, "POLYLINE": 2 * len(supports)}
    check(dict(counts) == expected, f"{name}: entities {dict(counts)}, expected {expected}")
    check(all(f"*D{k}" in doc.blocks for k in range(dims)), f"{name}: dimension blocks *D0.. missing")

    texts = [(t.dxf.layer, t.dxf.text, t.dxf.insert) for t in msp.query("TEXT")]

    def has_text(layer, text, x, y):
        return any(la == layer and te == text and abs(p[0] - x) < 1e-4 and abs(p[1] - y) < 1e-4
                   for la, te, p in texts)

    groups = {g["mark"]: g for g in design["footing_groups"]}
    for s, (ox, oy) in zip(supports, sides):
        cx = (s["col_depth"] / 1000 - 0.23) / 2 * ox + s["pos_x"]
        cy = ys[-1] - ((s["col_width"] / 1000 - 0.23) / 2 * oy + s["pos_y"])
        mark = f"F{s['group']}/P{groups['F' + str(s['group'])]['ped_type']}/C{s['col_type']}"
        check(has_text("Layout", mark, cx, cy + s["side"] / 2 - 0.25), f"{name}: mark {mark} of support {s['support']}")
    for j, x in enumerate(xs, 1):
        check(has_text("Grid", chr(64 + j), x, ys[-1] + 3.15), f"{name}: grid letter {chr(64 + j)}")
    # The tables stand 10 m right of the rightmost joint, in both buildings the last column line.
    for top, marks in ((15, [f"F{r}" for r in range(1, rf + 1)]),
                       (12 - len(design["size_classes"]), [c["mark"] for c in design["column_types"]])):
        for r, mark in enumerate(marks, 1):
            check(has_text("TblText", mark, xs[-1] + 11.5, top - 1 - r), f"{name}: schedule cell {mark}")
    print(f"{name}: {dict(counts)}, audit: {len(auditor.errors)} errors, {len(auditor.fixes)} fixes")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    cli, examples = sys.argv[1:]
    with tempfile.TemporaryDirectory() as scratch:
        for anl, offsets in CASES:
            dxf = os.path.join(scratch, anl.replace(".ANL", ".dxf"))
            report = os.path.join(scratch, anl.replace(".ANL", ".json"))
            command = [cli, os.path.join(examples, anl), "--sbc", "200", "--dxf", dxf, "--json", report]
            command += [a for o in offsets for a in ("--offset", o)]
            run = subprocess.run(command, capture_output=True, text=True)
            check(run.returncode == 0, f"{anl}: footmark-cli ended with {run.returncode}: {run.stderr}")
            if run.returncode:
                continue
            with open(report) as f, open(dxf, "rb") as d:
                design, raw = json.load(f), d.read()
            chosen = {int(s): (int(x), int(y)) for s, x, y in (o.split(":") for o in offsets)}
            check_drawing(os.path.basename(dxf), raw, design, chosen)
    for f in failures:
        print("FAIL", f, file=sys.stderr)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
