#!/usr/bin/env bash
# The Windows installer as a user gets it: made by CPack (NSIS) from this
# build, run silently under Wine into a Wine prefix of its own, the installed
# batch front end run on the installed example (its JSON equal to the build
# machine's on the same file), then the uninstaller.
#   installer_check.sh BUILD_DIR WORK_DIR WINE_RUN NATIVE_CLI WINDOW(1|0)
# Exits 77 (skipped) without the build machine's footmark-cli.
set -euo pipefail
build=$1 work=$2 wine_run=$3 native=$4 window=$5
fail() { echo "installer check: $*" >&2; exit 1; }
[ -x "$native" ] || { echo "installer check skipped: no footmark-cli of the build machine ($native)"; exit 77; }

prefix=$work/wine
if [ -d "$prefix" ]; then WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; fi
rm -rf "$work" && mkdir -p "$work"
run() { "$wine_run" "$prefix" "$@"; }

cpack -G NSIS --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack could not make the installer"; }
setup=$(ls "$work"/pkg/footmark-*-setup.exe 2>/dev/null | head -1)
[ -n "$setup" ] || fail "no footmark-*-setup.exe in the package folder"
run "$setup" /S '/D=C:\Footmark' || fail "the silent install ended with status $?"

root=$prefix/drive_c/Footmark
menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Footmark"
expected=(bin/footmark-cli.exe share/footmark/examples/frame-4x3-2storey.ANL share/footmark/examples/frame-6x5-4storey.ANL
          share/doc/footmark-cli/README.md Uninstall.exe)
[ "$window" = 1 ] && expected+=(bin/footmark.exe)
for f in "${expected[@]}"; do [ -f "$root/$f" ] || fail "nothing installed as $f"; done
[ -f "$menu/Uninstall.lnk" ] || fail "no Start-menu folder with its uninstaller"

examples=$root/share/footmark/examples
# The same status, report, messages and JSON as the build machine's program on the same file.
windows=0 linux=0
(cd "$examples" && run 'C:\Footmark\bin\footmark-cli.exe' frame-6x5-4storey.ANL --sbc 250 --json windows.json) \
  >"$work/windows.txt" 2>"$work/windows.err" || windows=$?
(cd "$examples" && "$native" frame-6x5-4storey.ANL --sbc 250 --json "$work/linux.json") >"$work/linux.txt" 2>"$work/linux.err" ||
  linux=$?
[ "$windows" = "$linux" ] || fail "the installed footmark-cli.exe ended with $windows, the build machine's with $linux"
[ -s "$work/linux.json" ] || fail "no JSON from the build machine's footmark-cli"
cmp "$work/windows.txt" "$work/linux.txt" || fail "the installed program's report differs from the build machine's"
cmp "$work/windows.err" "$work/linux.err" || fail "the installed program's messages differ from the build machine's"
cmp "$examples/windows.json" "$work/linux.json" || fail "the installed program's JSON differs from the build machine's"
rm "$examples/windows.json"

ANL='HKLM\Software\Classes\.ANL'
if [ "$window" = 1 ]; then
  [ -f "$menu/Footmark.lnk" ] || fail "no Start-menu entry for the window"
  run reg query "$ANL" /ve | grep -q 'Footmark.Analysis' || fail ".ANL does not open in the window"
  run reg query 'HKLM\Software\Classes\Footmark.Analysis\shell\open\command' /ve |
    grep -qF '"C:\Footmark\bin\footmark.exe" "%1"' || fail "no command for opening an analysis file"
  # The installed window starts on its own (every library and plugin it needs is inside it), leaves Qt's
  # own arguments to Qt, and designs and draws the installed example.
  status=0
  (cd "$examples" && run 'C:\Footmark\bin\footmark.exe' -platform offscreen frame-4x3-2storey.ANL --sbc 200 \
    --screenshot window.png) 2>"$work/window.txt" || status=$?
  [ "$status" = 0 ] && [ -s "$examples/window.png" ] ||
    { cat "$work/window.txt"; fail "the installed footmark.exe did not draw the example (status $status)"; }
  rm "$examples/window.png"
fi

run 'C:\Footmark\Uninstall.exe' /S '_?=C:\Footmark' || fail "the uninstaller ended with status $?"
for f in "${expected[@]}"; do [ "$f" = Uninstall.exe ] || [ ! -e "$root/$f" ] || fail "$f is left after uninstalling"; done
[ ! -e "$menu" ] || fail "the Start-menu folder is left after uninstalling"
if run reg query "$ANL" >/dev/null 2>&1; then fail ".ANL is still registered after uninstalling"; fi
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
echo "installer check: $(basename "$setup") installs, runs and uninstalls"
rm -rf "$work"
