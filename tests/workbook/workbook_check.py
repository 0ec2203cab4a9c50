"""Reads a run's outputs back: BOOK.xlsx RUN.json REPORT.html [...] (openpyxl, html.parser).

The workbook, the JSON and the report agree on every value they share: the footing schedule (a group
not designed shows its size and reason only), the checks (demand, capacity, utilisation, where they
govern), the quantities, and the bar bending schedule whose total is the quantities' steel. Every sheet
has a bold frozen header, prints with the project at its head and page numbers at its foot, and stores
no number as text; failing checks are highlighted; the rows add up to the totals as printed."""
import json
import re
import sys
from html.parser import HTMLParser

import openpyxl

SHEETS = ["Supports", "Footing schedule", "Column schedule", "Checks", "Quantities", "Bar bending schedule",
          "Uplift", "Load cases", "Project"]
NUMBER = re.compile(r"^\s*[-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?\s*$")
BARS = re.compile(r"^\s*(\d+)\s*\(\s*(\d+)\s*mm\s*\)\s*$")
problems = []


class Tables(HTMLParser):
    """Every <table> with its class, its rows of cell texts and the <h2> above it."""

    def __init__(self):
        super().__init__()
        self.tables, self.heading, self.text, self.cell, self.in_h2 = [], "", "", None, False

    def handle_starttag(self, tag, attrs):
        if tag == "table":
            self.tables.append((dict(attrs).get("class", ""), self.heading, []))
        elif tag == "tr" and self.tables:
            self.tables[-1][2].append([])
        elif tag in ("td", "th"):
            self.cell = ""
        elif tag == "h2":
            self.in_h2, self.heading = True, ""

    def handle_endtag(self, tag):
        if tag in ("td", "th") and self.tables and self.cell is not None:
            self.tables[-1][2][-1].append(self.cell.strip())
            self.cell = None
        elif tag == "h2":
            self.in_h2 = False

    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data
        if self.in_h2:
            self.heading += data


def fixed(x, places):
    return f"{x:.{places}f}"


def same(cell, want):
    return cell == want or (isinstance(cell, (int, float)) and isinstance(want, (int, float)) and cell == want)


def check_run(book_path, run, html):
    where = book_path
    book = openpyxl.load_workbook(book_path)
    combined = run.get("combined_footings", [])
    sheets = SHEETS[:2] + ["Combined footings"] * bool(combined) + SHEETS[2:5] + \
        ["Method vs revised"] * ("revisions" in run) + SHEETS[5:]
    if book.sheetnames != sheets:
        problems.append(f"{where}: sheets {book.sheetnames}")
        return
    for ws in book.worksheets:
        header = [c for c in ws[1] if c.value is not None]
        if ws.freeze_panes != "A2" or not header or not all(c.font.b for c in header):
            problems.append(f"{where} {ws.title}: header row not bold and frozen ({ws.freeze_panes})")
        if "Tower && Annex" not in (ws.oddHeader.left.text or "") or "&P of &N" not in (ws.oddFooter.right.text or ""):
            problems.append(f"{where} {ws.title}: no print head with the project or foot with the page")
        problems.extend(f"{where} {ws.title} {c.coordinate}: number {c.value!r} stored as text"
                        for row in ws.iter_rows(min_row=2) for c in row
                        if isinstance(c.value, str) and NUMBER.match(c.value))

    marks = {m["mark"]: m for m in run["quantities"]["marks"]}
    rows = list(book["Footing schedule"].iter_rows(min_row=2, values_only=True))
    for row, g in zip(rows, run["footing_groups"]):
        head = [g["mark"], marks[g["mark"]]["footings"], round(g["size"], 3)]
        if g["designed"]:
            bars = BARS.match(g["bar_text"])
            want = head + [round(g["pedestal"], 3), round(g["depth"], 3), g["bar_dia"], int(bars[1]), int(bars[2])]
        else:
            want = head + [None] * 5
            if row[9] != "not designed: " + g["reason"]:
                problems.append(f"{where}: {g['mark']} not designed without its reason: {row[9]!r}")
        if list(row[:8]) != want:
            problems.append(f"{where}: footing schedule {list(row[:8])} is not {want}")
    if len(rows) != len(run["footing_groups"]):
        problems.append(f"{where}: {len(rows)} footing schedule rows for {len(run['footing_groups'])} groups")

    check_rows = [r for r in book["Checks"].iter_rows(min_row=2) if not r[1].value]
    wanted = [(g["mark"], c) for g in run["checks"] + [dict(f, mark=f["mark"] or "(supports " +
              ", ".join(map(str, f["supports"])) + ")") for f in combined] for c in g["checks"]]
    if len(check_rows) != len(wanted):
        problems.append(f"{where}: {len(check_rows)} check rows for {len(wanted)} checks")
    for r, (mark, c) in zip(check_rows, wanted):
        cells = [x.value for x in r]
        pairs = [(cells[0], mark), (cells[2], c["id"]), (cells[10], c["status"]), (cells[12], c.get("support")),
                 (cells[13] or None, c.get("combination")), (cells[14], c.get("load_case"))]
        for col, key in ((5, "demand"), (6, "capacity"), (8, "utilisation"), (9, "method_utilisation"))[:4 - (mark[0] != "F")]:
            if isinstance(cells[col], (int, float)):
                pairs.append((cells[col], c[key]))
        if not all(same(a, b) for a, b in pairs):
            problems.append(f"{where}: {mark} {c['id']} reads {pairs} in the workbook")
        if c["status"] == "fail" and r[10].fill.fgColor.rgb in (None, "00000000"):
            problems.append(f"{where}: failing check {c['id']} of {mark} not highlighted")
        if c.get("working") and cells[16] != "\n".join(c["working"]):
            problems.append(f"{where}: {mark} {c['id']} working differs")

    q = list(book["Quantities"].iter_rows(min_row=2, values_only=True))
    end = [r[0] for r in q].index("total")
    designed = {f["mark"]: f for f in combined if f["mark"]}
    for r in q[:end]:
        if r[0] in designed:
            f = designed[r[0]]
            want = [len(f["supports"]), f["quantities"]["concrete"], f["quantities"]["concrete"], None, None,
                    f["quantities"]["steel"]]
            if list(r[1:7]) != want:
                problems.append(f"{where}: quantities {r[:7]} are not {want}")
            continue
        if r[0] not in marks:
            continue  # a combined set not designed: its reason only
        m = marks[r[0]]
        want = [m["footings"]] + [m.get(k) for k in ("concrete_each", "concrete", "mesh_steel", "starter_steel", "steel")]
        if list(r[1:7]) != want:
            problems.append(f"{where}: quantities {r[:7]} are not {want}")
    total, quantities, bbs = q[end], run["quantities"], run["bar_bending_schedule"]
    if [total[1], total[3], total[6]] != [quantities["footings"], quantities["concrete"], quantities["steel"]]:
        problems.append(f"{where}: quantities total {total} is not {quantities}")
    if fixed(sum(r[3] or 0 for r in q[:end]), 3) != fixed(quantities["concrete"], 3) or \
            fixed(sum(r[6] or 0 for r in q[:end]), 2) != fixed(quantities["steel"], 2):
        problems.append(f"{where}: the marks do not add up to the totals as printed")
    if quantities["steel"] != bbs["mass"]:
        problems.append(f"{where}: quantities' steel {quantities['steel']} is not the schedule's {bbs['mass']}")

    sheet = list(book["Bar bending schedule"].iter_rows(min_row=2, values_only=True))
    keys = ("mark", "footing", "member", "shape_code", "shape", "dia", "a", "leg", "cutting_length", "each",
            "members", "count", "length", "unit_mass", "mass")
    for r, bar in zip(sheet, bbs["bars"]):
        if list(r) != [bar[k] for k in keys]:
            problems.append(f"{where}: bar bending schedule {r} is not {bar}")
    totals = [r for r in sheet if r[0] == "total"]
    if not totals or [totals[0][11], totals[0][12], totals[0][14]] != [bbs["count"], bbs["length"], bbs["mass"]]:
        problems.append(f"{where}: bar bending schedule total {totals} is not {bbs['mass']} kg")
    if fixed(sum(b["mass"] for b in bbs["bars"]), 2) != fixed(bbs["mass"], 2):
        problems.append(f"{where}: the bar marks do not add up to {bbs['mass']} kg")

    check_combined(where, book, combined, bbs) if combined else None

    parser = Tables()
    with open(html, encoding="utf-8") as f:
        page = f.read()
    parser.feed(page)
    if "Tower &amp; Annex" not in page:
        problems.append(f"{html}: no project on the first page")
    report_bars = [t for t in parser.tables if t[0] == "bbs"]
    body = report_bars[0][2][1:] if report_bars else []
    for r, bar in zip(body, bbs["bars"]):
        want = [bar["mark"], fixed(bar["cutting_length"], 0), str(bar["count"]), fixed(bar["length"], 3),
                fixed(bar["unit_mass"], 3), fixed(bar["mass"], 2)]
        if [r[0], r[6], r[9], r[10], r[11], r[12]] != want:
            problems.append(f"{html}: bar mark row {r} is not {want}")
    if len(body) != len(bbs["bars"]) + 1:
        problems.append(f"{html}: {len(body)} bar bending schedule rows for {len(bbs['bars'])} bar marks")
    summary = [t for t in parser.tables if t[0] == "summary"][0][2][1:]
    for r in summary[:-1]:
        m = marks[r[0]]
        want = [fixed(m["concrete"], 3), fixed(m["steel"], 2)] if "steel" in m else ["–", "–"]
        if r[-2:] != want:
            problems.append(f"{html}: summary {r[0]} reads {r[-2:]}, not {want}")
    if summary[-1][-2:] != [fixed(quantities["concrete"], 3), fixed(quantities["steel"], 2)]:
        problems.append(f"{html}: summary total {summary[-1]}")
    sheets = {t[1].split()[1] if t[1].startswith("Footing ") else t[1].split()[2]: t[2][1:]
              for t in parser.tables if t[0] == "checks"}
    for g in run["checks"] + [f for f in combined if f["mark"]]:
        if g["mark"] not in sheets:
            problems.append(f"{html}: no checks table of {g['mark']}")
        for r, c in zip(sheets.get(g["mark"], []), g["checks"]):
            if c["rated"] and r[6] != fixed(c["utilisation"], 4):
                problems.append(f"{html}: {g['mark']} {c['id']} u {r[6]!r}, the JSON {c['utilisation']}")
            if not c["rated"] and c["status"] != "warning" and r[6] not in ("not rated", ""):
                problems.append(f"{html}: {g['mark']} {c['id']} is not rated but prints {r[6]!r}")


def check_combined(where, book, combined, bbs):
    """The combined footings' sheet row by row, and their bar marks, against the JSON."""
    rows = list(book["Combined footings"].iter_rows(min_row=2, values_only=True))
    if len(rows) != len(combined):
        problems.append(f"{where}: {len(rows)} combined footing rows for {len(combined)} sets")
    for r, f in zip(rows, combined):
        want = [f["mark"] or r[0], ", ".join(map(str, f["supports"]))]
        got = [r[0], r[1]]
        if f["mark"]:
            want += [f["length"], f["width"], f["depth"], f["overhang_start"], f["overhang_end"],
                     f["quantities"]["concrete"], f["quantities"]["steel"], f["verdict"], f["utilisation"]]
            got += [r[5], r[6], r[7], r[8], r[9], r[15], r[16], r[17], r[19]]
        elif r[20] != f["reason"] or r[17] != "not designed":
            problems.append(f"{where}: set {f['supports']} not designed reads {r}")
        if got != want:
            problems.append(f"{where}: combined footing {got} is not {want}")
        if not f["mark"]:
            continue
        marks = [b for b in bbs["bars"] if b["footing"] == f["mark"]]
        if len(marks) != len(f["bars"]):
            problems.append(f"{where}: {len(marks)} bar marks of {f['mark']} for {len(f['bars'])} bar sets")
        for b, s in zip(marks, f["bars"]):
            bent = 4 * s["dia"] if b["leg"] else 0  # a U's two bends
            if [b["count"], b["dia"], b["cutting_length"]] != [s["count"], s["dia"], round(s["length"] * 1000) - bent]:
                problems.append(f"{where}: bar mark {b} is not the set {s}")
        if fixed(sum(b["mass"] for b in marks), 2) != fixed(f["quantities"]["steel"], 2):
            problems.append(f"{where}: {f['mark']} steel {f['quantities']['steel']} is not its bar marks'")


args = sys.argv[1:]
for book_path, json_path, html_path in zip(args[0::3], args[1::3], args[2::3]):
    with open(json_path, encoding="utf-8") as f:
        check_run(book_path, json.load(f), html_path)
print("\n".join(problems[:40]) or "JSON, workbook and report agree")
sys.exit(1 if problems else 0)
