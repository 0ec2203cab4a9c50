#!/usr/bin/env python3
"""Reads the drawing of examples/frame-4x3-2storey.ANL designed at SBC 200 back
with ezdxf, an independent reader.

usage: journey_check.py cli FOOTMARK_CLI EXAMPLE_ANL
       journey_check.py drawing DXF_FILE SUPPORT:X:Y...

"cli" runs the batch front end with two offset columns and --dxf first; the
window's journey test calls "drawing" on the file it left, naming its drags.
The drawing must hold the grid dimension chains and one dimension per offset
axis (no more), the mark F/P/C of every support on its footing, a footing and
a column rectangle per support, and both schedules right of the building.
"""
import io
import os
import subprocess
import sys
import tempfile

try:
    import ezdxf
except ImportError:
    sys.exit("journey_check: the Python module ezdxf is missing; run this with /usr/bin/python3 (python3-ezdxf)")

XS, YS, YTOP = [0, 4, 8.5, 12.5], [0, 5, 9.5], 9.5
# Per support (grid point order): column side along X and Y (m), footing side, mark.
SUPPORTS = [(.45, .3, 1.2, "F2/P1/C4"), (.45, .3, 1.5, "F4/P1/C3"), (.45, .3, 1.5, "F4/P1/C4"),
            (.45, .3, 1.2, "F2/P1/C4"), (.3, .45, 1.4, "F3/P1/C4"), (.4, .4, 1.9, "F5/P1/C1"),
            (.4, .4, 1.9, "F5/P1/C1"), (.3, .45, 1.5, "F4/P1/C2"), (.45, .3, 1.2, "F2/P1/C4"),
            (.45, .3, 1.4, "F3/P1/C3"), (.45, .3, 1.4, "F3/P1/C4"), (.45, .3, 1.1, "F1/P1/C4")]
SCHEDULES = [
    ["Group", "Size", "Pedast", "Depth", "Steel", "Nos  &  Spacing"],
    ["F1", "1.1", "0.6", "0.25", "8", "8   ( 140 mm )"],
    ["F2", "1.2", "0.6", "0.25", "8", "9   ( 135 mm )"],
    ["F3", "1.4", "0.6", "0.275", "10", "8   ( 183 mm )"],
    ["F4", "1.5", "0.6", "0.3", "10", "9   ( 172 mm )"],
    ["F5", "1.9", "0.6", "0.4", "12", "11   ( 178 mm )"],
    ["Group", "Size", "Pedast", "Steel", "Ties"],
    ["C1", "400 X 400", "0.6", "  8-16  ", "8 - 190"],
    ["C2", "300 X 450", "0.6", "  4-16  4-12  ", "8 - 255"],
    ["C3", "300 X 450", "0.6", "  12-12  ", "8 - 255"],
    ["C4", "300 X 450", "0.6", "  8-16  ", "8 - 255"],
]
CLI_OFFSETS = ["2:-1:0", "8:0:1"]  # column 2 to the low side along X, 8 to the high side along Y
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def key(*values):
    return tuple(round(v, 3) for v in values)


def check_drawing(raw, offsets):
    doc = ezdxf.read(io.StringIO(raw.decode("cp1252").replace("\r\n", "\n")))
    msp = doc.modelspace()
    sides = {int(s): (int(x), int(y)) for s, x, y in (o.split(":") for o in offsets)}

    # Dimensions as (first point, second point, angle): the two chains along
    # the grid, then one per offset axis from the grid point to the column centre.
    expected = [key(-2, YTOP - YS[i], -2, YTOP - YS[i - 1], 90) for i in range(1, len(YS))]
    expected += [key(XS[j - 1], YS[-1] + 2, XS[j], YS[-1] + 2, 0) for j in range(1, len(XS))]
    marks = []
    for s, (sx, sy, side, mark) in enumerate(SUPPORTS, 1):
        x, y = XS[(s - 1) % 4], YTOP - YS[(s - 1) // 4]
        ox, oy = sides.get(s, (0, 0))
        cx, cy = x + (sx - .23) / 2 * ox, y - (sy - .23) / 2 * oy
        if ox:
            expected.append(key(x, y, cx, y, 0))
        if oy:
            expected.append(key(x, y, x, cy, 90))
        marks.append(("Layout", mark) + key(cx, cy + side / 2 - .25))
    dims = [key(*d.dxf.defpoint2.vec2, *d.dxf.defpoint3.vec2, d.dxf.get("angle", 0)) for d in msp.query("DIMENSION")]
    check(sorted(dims) == sorted(expected), f"dimensions {sorted(dims)}, expected {sorted(expected)}")
    check(len(expected) == len(XS) + len(YS), f"offsets {offsets} do not move two column axes")

    texts = {(t.dxf.layer, t.dxf.text) + key(*t.dxf.insert.vec2) for t in msp.query("TEXT")}
    for m in marks:
        check(m in texts, f"footing mark {m[1]} not at {m[2:]}")
    # ezdxf keeps one entity per handle and every rectangle has the same ones.
    check(raw.split(b"\r\n").count(b"POLYLINE") == 2 * len(SUPPORTS), "not a footing and a column rectangle per support")

    # The schedules, read as rows from the top down and cells from the left.
    cells = [(t.dxf.insert.y, t.dxf.insert.x, t.dxf.text) for t in msp.query('TEXT[layer=="TblText"]')]
    rows = {}
    for y, x, text in sorted(cells, key=lambda c: (-c[0], c[1])):
        rows.setdefault(y, []).append(text)
    check(list(rows.values()) == SCHEDULES, f"schedules {list(rows.values())}")
    check(all(x > XS[-1] + 10 for _, x, _ in cells), "schedules not right of the building")


def main():
    mode, args = (sys.argv[1], sys.argv[2:]) if len(sys.argv) > 2 else (None, [])
    if mode == "drawing":
        with open(args[0], "rb") as f:
            check_drawing(f.read(), args[1:])
    elif mode == "cli" and len(args) == 2:
        with tempfile.TemporaryDirectory() as scratch:
            dxf = os.path.join(scratch, "frame.dxf")
            command = [args[0], args[1], "--sbc", "200", "--dxf", dxf]
            for o in CLI_OFFSETS:
                command += ["--offset", o]
            run = subprocess.run(command, capture_output=True, text=True)
            check(run.returncode == 0 and run.stderr == "", f"footmark-cli ended with {run.returncode}: {run.stderr}")
            check(run.stdout.endswith(f"Drawing written to {dxf}\n"), "the report does not end with the drawing's name")
            if os.path.exists(dxf):
                with open(dxf, "rb") as f:
                    check_drawing(f.read(), CLI_OFFSETS)
            else:
                failures.append("no drawing written")
    else:
        sys.exit(__doc__)
    for f in failures:
        print("FAIL", f, file=sys.stderr)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
