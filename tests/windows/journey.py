#!/usr/bin/env python3
"""The Windows build against the build machine's own: the same status, output and files, byte for byte.

usage: journey.py EMULATOR CLI_EXE CAPACITY_FILE_EXE NATIVE_CLI EXAMPLES_DIR WORK_DIR
The Windows program (run by EMULATOR, ";"-separated) gets Windows names and runs every case twice, the
second time over its own files. Exits 77 (skipped) without a NATIVE_CLI.
"""
import shutil
import subprocess
import sys
from pathlib import Path

CASES = [
    ("frame-4x3", "@IN@/frame-4x3-2storey.ANL --sbc 200 --json @OUT@/run.json --dxf @OUT@/plan.dxf"
                  " --offset 2:-1:0 --offset 8:0:1"),
    ("frame-6x5", "@IN@/frame-6x5-4storey.ANL --sbc 250 --json @OUT@/run.json --dxf @OUT@/plan.dxf --offset 27:0:1"),
    ("capacity", "@IN@/capacity.ANL --sbc 200 --json @OUT@/run.json --dxf @OUT@/plan.dxf"),
    ("beyond-ascii", "@IN@/Fundación-ü-Θ.ANL --sbc 200 --dxf @OUT@/Zeichnung-ä-Θ.dxf --svg @OUT@/Blatt-ä-Θ.svg"),  # Θ: beyond code page 1252
    ("missing-file", "@IN@/missing.ANL --sbc 200"),
    ("unknown-option", "@IN@/frame-4x3-2storey.ANL --bogus"),
    ("unwritable", "@IN@/frame-4x3-2storey.ANL --sbc 200 --json @OUT@/run.json --dxf @OUT@/no-folder/plan.dxf"),
    ("folder-as-drawing", "@IN@/frame-4x3-2storey.ANL --sbc 200 --dxf @OUT@"),
]


def windows_name(path):
    """A file of the build machine by its Windows name: Wine's drive Z: is the root."""
    return "Z:" + str(path).replace("/", "\\")


def run(side, command, work, case, template):
    """Status, standard output, standard error and the files written, each
    file name given on the command line turned back into its template (also
    where JSON escapes its backslashes)."""
    folder = work / side / case
    folder.mkdir(parents=True, exist_ok=True)
    args, names = [], []
    for arg in template.split():
        value = arg.replace("@IN@", str(work / "in")).replace("@OUT@", str(folder))
        if value != arg:
            value = windows_name(value) if side == "windows" else value
            names += [(value, arg), (value.replace("\\", "\\\\"), arg)]
        args.append(value)
    done = subprocess.run(command + args, cwd=folder, capture_output=True, timeout=600)

    def plain(data):
        for value, arg in sorted(names, key=lambda n: -len(n[0])):
            data = data.replace(value.encode(), arg.encode())
        return data

    files = {p.relative_to(folder).as_posix(): plain(p.read_bytes()) if p.suffix == ".json" else p.read_bytes()
             for p in sorted(folder.rglob("*")) if p.is_file()}
    return done.returncode, plain(done.stdout), plain(done.stderr), files


def first_difference(linux, windows):
    """The first lines that differ, line ends shown."""
    a, b = linux.splitlines(keepends=True), windows.splitlines(keepends=True)
    for n, (x, y) in enumerate(zip(a + [b""] * len(b), b + [b""] * len(a)), 1):
        if x != y:
            return f"line {n}: Linux {x!r}, Windows {y!r}"
    return "no line differs"


def main():
    if len(sys.argv) != 7:
        sys.exit(__doc__)
    emulator, cli, capacity_file, native_cli, examples, work = sys.argv[1:]
    if not native_cli or not Path(native_cli).is_file():
        print(f"journey skipped: no footmark-cli of the build machine to compare with ({native_cli or 'not given'};"
              " build it with make release, or set FOOTMARK_NATIVE_CLI)")
        return 77
    emulator, work = emulator.split(";"), Path(work)
    shutil.rmtree(work, ignore_errors=True)
    (work / "in").mkdir(parents=True)
    for name in ("frame-4x3-2storey.ANL", "frame-6x5-4storey.ANL"):
        shutil.copy(Path(examples) / name, work / "in" / name)
    shutil.copy(Path(examples) / "frame-4x3-2storey.ANL", work / "in" / "Fundación-ü-Θ.ANL")
    # The capacity building, written by the Windows build of its generator.
    subprocess.run(emulator + [capacity_file, windows_name(work / "in" / "capacity.ANL")], check=True, timeout=600)

    failures = []
    for case, template in CASES:
        linux = run("linux", [native_cli], work, case, template)
        first = run("windows", emulator + [cli], work, case, template)
        windows = run("windows", emulator + [cli], work, case, template)  # over the files of the first run
        if first[0] != windows[0]:
            failures.append(f"{case}: the Windows build ended with {first[0]}, then with {windows[0]} over its files")
        if linux[0] != windows[0]:
            failures.append(f"{case}: exit status {linux[0]} on Linux, {windows[0]} on Windows")
        for what, x, y in (("standard output", linux[1], windows[1]), ("standard error", linux[2], windows[2])):
            if x != y:
                failures.append(f"{case}: {what} differs, {first_difference(x, y)}")
        if linux[3].keys() != windows[3].keys():
            failures.append(f"{case}: files written: Linux {sorted(linux[3])}, Windows {sorted(windows[3])}")
        for name in sorted(linux[3].keys() & windows[3].keys()):
            if linux[3][name] != windows[3][name]:
                failures.append(f"{case}: {name} differs, {first_difference(linux[3][name], windows[3][name])}")
        print(f"{case}: status {linux[0]}, files {sorted(linux[3])}")
    for failure in failures:
        print("FAILED", failure)
    if not failures:
        print(f"journey: the Windows and the Linux build agree on all {len(CASES)} cases")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
