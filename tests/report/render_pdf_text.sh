#!/bin/sh
# Prints a calculation report as a browser does (headless Chromium, A4 from
# the page's print CSS) and extracts the PDF's text with pdftotext.
# Usage: render_pdf_text.sh REPORT.html OUT.txt [OUT.pdf]
set -eu
html=$1
text=$2
pdf=${3:-${text%.txt}.pdf}
for tool in chromium pdftotext; do
  command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed (scripts/setup installs it)" >&2; exit 2; }
done
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking \
  --disable-component-update --disable-sync --user-data-dir="$profile" \
  --print-to-pdf="$pdf" --no-pdf-header-footer "file://$(realpath "$html")" >/dev/null 2>&1 || true
[ -s "$pdf" ] || { echo "chromium wrote no PDF of $html" >&2; exit 1; }
pdftotext -enc UTF-8 "$pdf" "$text"
