#!/usr/bin/env python3
"""The sheet's portable DXF and SVG read back: PORTABLE_DXF SVG [...].

DXF: ezdxf's audit finds nothing; every layer of the sheet has a colour of its own; LibreCAD prints one page
per sheet, each of the paper the file names ($PLIMMAX). SVG: XML, one <svg> per sheet of that paper, as many
texts as the DXF. Status 1 on any fault.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

try:
    import ezdxf
except ImportError:
    sys.exit("sheet_check: ezdxf is missing; run this with /usr/bin/python3 (python3-ezdxf)")

NS = "{http://www.w3.org/2000/svg}"
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def check_pair(dxf, svg):
    name = os.path.basename(dxf)
    doc = ezdxf.readfile(dxf)
    auditor = doc.audit()
    check(not auditor.errors and not auditor.fixes,
          f"{name}: audit {[e.message for e in auditor.errors][:3]} {[f.message for f in auditor.fixes][:3]}")
    layers = {layer.dxf.name: layer.dxf.color for layer in doc.layers if layer.dxf.name not in ("0", "DEFPOINTS")}
    check(len(set(layers.values())) == len(layers), f"{name}: layers share colours {layers}")
    used = {e.dxf.layer for e in doc.modelspace()}
    check(used <= set(layers), f"{name}: entities on layers {used - set(layers)} the sheet does not define")
    paper = doc.header["$PLIMMAX"]

    root = ET.parse(svg).getroot()
    sheets = [s for s in root if s.tag == NS + "svg"]
    check(len(sheets) > 0, f"{svg}: no sheets")
    for s in sheets:
        check((float(s.get("width")), float(s.get("height"))) == (paper[0], paper[1]),
              f"{svg}: a sheet of {s.get('width')} x {s.get('height')} mm, the DXF's paper is {paper}")
    texts = sum(1 for _ in root.iter(NS + "text"))
    check(texts == len(doc.modelspace().query("TEXT")), f"{svg}: {texts} texts, the DXF has so many TEXT entities")

    if not shutil.which("librecad") or not shutil.which("pdfinfo"):
        check(False, "librecad or pdfinfo missing (scripts/setup installs them)")
        return
    with tempfile.TemporaryDirectory() as out:
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        subprocess.run(["librecad", "dxf2pdf", "-a", "-z", f"{len(sheets)}x1", "-t", out, dxf],
                       env=env, capture_output=True, timeout=300)
        pdf = os.path.join(out, os.path.splitext(name)[0] + ".pdf")
        if not os.path.exists(pdf):
            check(False, f"{name}: LibreCAD wrote no PDF")
            return
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
        fields = dict(line.split(":", 1) for line in info.splitlines() if ":" in line)
        size = fields.get("Page size", "").split()
        points = (paper[0] / 25.4 * 72, paper[1] / 25.4 * 72)
        check(len(size) > 2 and abs(float(size[0]) - points[0]) < 2 and abs(float(size[2]) - points[1]) < 2,
              f"{name}: LibreCAD page {fields.get('Page size')}, the paper is {paper[0]} x {paper[1]} mm")
        check(int(fields.get("Pages", "0")) == len(sheets), f"{name}: {fields.get('Pages')} pages for {len(sheets)} sheets")


def main(args):
    if not args or len(args) % 2:
        sys.exit(__doc__)
    for i in range(0, len(args), 2):
        check_pair(args[i], args[i + 1])
    for f in failures:
        print("sheet_check:", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
