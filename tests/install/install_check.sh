#!/usr/bin/env bash
# The Debian packages as a user gets them: made by CPack from this build,
# judged by lintian (no error, no warning), footmark-cli checked to need no
# Qt, unpacked into a scratch root (dpkg -x, no root rights needed), and the
# installed batch front end run on the installed example.
#   install_check.sh BUILD_DIR WINDOW(ON|OFF)
set -euo pipefail
build=$1 window=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "install check: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$root/pkg" >"$root/cpack.log" 2>&1 ||
  { cat "$root/cpack.log"; fail "cpack could not make the packages"; }
cli=$(ls "$root"/pkg/footmark-cli_*.deb 2>/dev/null | head -1)
[ -n "$cli" ] || fail "no footmark-cli_*.deb in the package folder"
debs=("$cli")
if [ "$window" = ON ]; then
  gui=$(ls "$root"/pkg/footmark_*.deb 2>/dev/null | head -1)
  [ -n "$gui" ] || fail "no footmark_*.deb in the package folder"
  debs+=("$gui")
  dpkg-deb --field "$gui" Depends | grep -q 'footmark-cli (= ' || fail "footmark does not depend on footmark-cli"
fi

# Debian policy as lintian reads it (as the superuser it says it would rather not run).
lintian --fail-on error,warning "${debs[@]}" ||
  fail "lintian finds errors or warnings"

# No Qt library in footmark-cli's dependencies, nor in theirs.
depends=$(dpkg-deb --field "$cli" Depends)
echo "footmark-cli depends on: $depends"
names=$(echo "$depends" | tr ',|' '\n\n' | sed 's/(.*//; s/ //g' | grep -v '^$')
# shellcheck disable=SC2086
if apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks --no-replaces \
     --no-enhances $names 2>/dev/null | grep -i 'qt'; then
  fail "installing footmark-cli brings in Qt"
fi

for deb in "${debs[@]}"; do dpkg -x "$deb" "$root/fs"; done
usr=$root/fs/usr
expected=(bin/footmark-cli share/footmark/examples/frame-4x3-2storey.ANL share/footmark/examples/frame-6x5-4storey.ANL
          share/doc/footmark-cli/README.md share/doc/footmark-cli/copyright share/doc/footmark-cli/changelog.gz
          share/man/man1/footmark-cli.1.gz)
[ "$window" = ON ] && expected+=(bin/footmark share/applications/footmark.desktop share/doc/footmark/copyright
                                 share/icons/hicolor/scalable/apps/footmark.svg share/mime/packages/footmark.xml
                                 share/man/man1/footmark.1.gz)
for f in "${expected[@]}"; do [ -e "$usr/$f" ] || fail "the packages have no /usr/$f"; done
if objdump -p "$usr/bin/footmark-cli" | grep NEEDED | grep -i qt; then fail "footmark-cli links Qt"; fi

"$usr/bin/footmark-cli" --version | grep -q '^footmark-cli [0-9]' || fail "footmark-cli --version"
"$usr/bin/footmark-cli" --help | grep -qF "footmark-cli $usr/share/footmark/examples/frame-4x3-2storey.ANL" ||
  fail "--help's example does not name the installed examples"
zcat "$usr/share/man/man1/footmark-cli.1.gz" | grep -q '/usr/share/footmark/examples/frame' ||
  fail "the manual page's example does not name /usr/share/footmark/examples"
"$usr/bin/footmark-cli" "$usr/share/footmark/examples/frame-4x3-2storey.ANL" --sbc 200 --dxf "$root/plan.dxf" \
  >"$root/report.txt" || fail "the installed footmark-cli failed on the installed example (status $?)"
grep -q '^  F1 ' "$root/report.txt" || fail "no footing schedule in the report"
head -c 40 "$root/plan.dxf" | grep -q SECTION || fail "no drawing written"

if [ "$window" = ON ]; then
  "$usr/bin/footmark" --version | grep -q '^footmark [0-9]' || fail "footmark --version"
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
echo "install check: ${debs[*]##*/} pass lintian, install and run"
