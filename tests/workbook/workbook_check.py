"""Reads Footmark workbooks back with openpyxl: BOOK.xlsx EXPECTED.json [...].

Every sheet with a bold frozen header and no number stored as text; the footing schedule against the
design's groups; the checks' verdicts, failing checks highlighted; quantities that add up to the totals."""
import json
import re
import sys

import openpyxl

SHEETS = ["Supports", "Footing schedule", "Column schedule", "Checks", "Quantities", "Uplift", "Load cases", "Project"]
NUMBER = re.compile(r"^\s*[-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?\s*$")
BARS = re.compile(r"^\s*(\d+)\s*\(\s*(\d+)\s*mm\s*\)\s*$")
problems = []


def near(a, b, tol=1e-9):
    return a == b or (isinstance(a, (int, float)) and isinstance(b, (int, float)) and abs(a - b) <= tol)


def check_book(path, want):
    book = openpyxl.load_workbook(path)
    if book.sheetnames != SHEETS:
        problems.append(f"{path}: sheets {book.sheetnames}")
        return
    for ws in book.worksheets:
        header = [c for c in ws[1] if c.value is not None]
        if ws.freeze_panes != "A2" or not header or not all(c.font.b for c in header):
            problems.append(f"{path} {ws.title}: header row not bold and frozen ({ws.freeze_panes})")
        problems.extend(f"{path} {ws.title} {c.coordinate}: number {c.value!r} stored as text"
                        for row in ws.iter_rows(min_row=2) for c in row
                        if isinstance(c.value, str) and NUMBER.match(c.value))

    groups = want["groups"]
    rows = list(book["Footing schedule"].iter_rows(min_row=2, values_only=True))
    if len(rows) != len(groups):
        problems.append(f"{path}: {len(rows)} footing schedule rows for {len(groups)} groups")
    for row, g in zip(rows, groups):
        bars = BARS.match(g["bar_text"])
        expected = [g["mark"], g["footings"], g["size"], g["pedestal"], g["depth"], g["bar_dia"],
                    int(bars[1]) if bars else None, int(bars[2]) if bars else None, g["bar_text"]]
        if not all(near(a, b, 0.0005) for a, b in zip(row, expected)):  # sides to the mm
            problems.append(f"{path}: footing schedule row {row} is not {expected}")

    checks = book["Checks"]
    verdicts = {r[0].value: (r[1].value, r[11].value) for r in checks.iter_rows(min_row=2) if r[1].value}
    for g in groups:
        verdict, reason = verdicts.get(g["mark"], (None, None))
        if verdict != g["verdict"] or (verdict != "ok" and not reason):
            problems.append(f"{path}: checks give {g['mark']} {verdict!r} ({reason!r}), not {g['verdict']!r}")
    problems.extend(f"{path}: failing check {r[2].value} of {r[0].value} not highlighted"
                    for r in checks.iter_rows(min_row=2)
                    if r[10].value == "fail" and r[10].fill.fgColor.rgb in (None, "00000000"))

    q = list(book["Quantities"].iter_rows(min_row=2, values_only=True))
    end = [r[0] for r in q].index("total")
    marks, total, by_dia = q[:end], q[end], q[end + 3:]
    concrete_tol, steel_tol = 0.0005 * (end + 1), 0.005 * (end + 1)
    sums = (sum(r[1] for r in marks if r[2] is not None), sum(r[3] or 0 for r in marks),
            sum(r[5] or 0 for r in marks), sum(r[1] for r in by_dia if r[0] is not None))
    if not (sums[0] == total[1] and near(sums[1], total[3], concrete_tol) and near(sums[2], total[5], steel_tol)
            and near(sums[3], total[5], steel_tol)):
        problems.append(f"{path}: quantities add up to {sums}, totals {total}")
    problems.extend(f"{path}: {r[0]} concrete or steel total is not {r[1]} x each" for r in marks
                    if r[2] is not None and not (near(r[1] * r[2], r[3], 0.0005 * (r[1] + 1))
                                                 and near(r[1] * r[4], r[5], 0.005 * (r[1] + 1))))

    project = {r[0]: r[1] for r in book["Project"].iter_rows(min_row=2, values_only=True)}
    if project.get("SBC") != want["sbc"]:
        problems.append(f"{path}: project SBC {project.get('SBC')!r}, not {want['sbc']}")


for book_path, json_path in zip(sys.argv[1::2], sys.argv[2::2]):
    with open(json_path, encoding="utf-8") as f:
        check_book(book_path, json.load(f))
print("\n".join(problems) or "workbooks read back")
sys.exit(1 if problems else 0)
