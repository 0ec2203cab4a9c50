#!/usr/bin/env bash
# The Debian package as a user gets it: made by CPack from this build,
# unpacked into a scratch root (dpkg -x, no root rights needed), and the
# installed batch front end run on the installed example.
#   install_check.sh BUILD_DIR WINDOW(ON|OFF)
set -euo pipefail
build=$1 window=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "install check: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$root/pkg" >"$root/cpack.log" 2>&1 ||
  { cat "$root/cpack.log"; fail "cpack could not make the package"; }
deb=$(ls "$root"/pkg/footmark_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no footmark_*.deb in the package folder"
dpkg-deb --field "$deb" Package Depends
dpkg -x "$deb" "$root/fs"
usr=$root/fs/usr

expected=(bin/footmark-cli share/footmark/examples/frame-4x3-2storey.ANL share/footmark/examples/frame-6x5-4storey.ANL
          share/doc/footmark/README.md)
[ "$window" = ON ] && expected+=(bin/footmark share/applications/footmark.desktop
                                 share/icons/hicolor/scalable/apps/footmark.svg share/mime/packages/footmark.xml)
for f in "${expected[@]}"; do [ -e "$usr/$f" ] || fail "the package has no /usr/$f"; done

"$usr/bin/footmark-cli" --version | grep -q '^footmark-cli [0-9]' || fail "footmark-cli --version"
"$usr/bin/footmark-cli" "$usr/share/footmark/examples/frame-4x3-2storey.ANL" --sbc 200 --dxf "$root/plan.dxf" \
  >"$root/report.txt" || fail "the installed footmark-cli failed on the installed example (status $?)"
grep -q '^  F1 ' "$root/report.txt" || fail "no footing schedule in the report"
head -c 40 "$root/plan.dxf" | grep -q SECTION || fail "no drawing written"

if [ "$window" = ON ]; then
  # .ANL files are analysis output, and the window opens them.
  update-mime-database "$usr/share/mime" >/dev/null 2>&1 || fail "update-mime-database rejects footmark.xml"
  grep -q 'application/x-staad-analysis:\*.ANL' "$usr/share/mime/globs" || fail "*.ANL is not an analysis file"
  grep -q '^MimeType=application/x-staad-analysis;' "$usr/share/applications/footmark.desktop" ||
    fail "the desktop entry does not take analysis files"
  grep -q '^Exec=footmark %f' "$usr/share/applications/footmark.desktop" || fail "the desktop entry does not pass the file"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$usr/share/applications/footmark.desktop" || fail "desktop-file-validate"
  fi
fi
echo "install check: $deb installs and runs"
