#!/usr/bin/env bash
# Host-side checks of the client's work, run by CTest on the Linux side:
#  1. the set-up of the README's commands goes on after a transient
#     `apt-get update` error and fails clearly when a package cannot be
#     installed (with stand-in apt-get and dpkg-query on the PATH);
#  2. a continuous scan into a PDF, read by poppler (pdfinfo, pdftoppm): page
#     count, page sizes, and each rendered page against the same scan as a
#     multi-page TIFF.
# Usage: host_checks.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src="$1"
build="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# 1. apt-get update with an unreachable index.
mkdir -p "$work/fake"
cat >"$work/fake/dpkg-query" <<'FAKE'
#!/bin/sh
[ -f "$FAKE_DIR/installed" ] && echo "install ok installed" || echo "unknown ok not-installed"
FAKE
cat >"$work/fake/apt-get" <<'FAKE'
#!/bin/sh
case "$1" in
  update) echo "E: Failed to fetch http://mirror/InRelease  Hash Sum mismatch"; exit 100 ;;
  install) [ -n "$FAKE_INSTALL_FAILS" ] && exit 100; touch "$FAKE_DIR/installed"; exit 0 ;;
esac
FAKE
chmod +x "$work/fake/"*
export FAKE_DIR="$work/fake"
out=$(PATH="$work/fake:$PATH" FAKE_INSTALL_FAILS= bash -c "source '$src/scripts/lib.sh'; ensure_packages somepkg; echo went-on" 2>&1) \
  || fail "set-up stopped after the update error: $out"
grep -q went-on <<<"$out" || fail "set-up did not go on: $out"
rm -f "$work/fake/installed"
if out=$(PATH="$work/fake:$PATH" FAKE_INSTALL_FAILS=1 bash -c "source '$src/scripts/lib.sh'; ensure_packages somepkg; echo went-on" 2>&1); then
  fail "set-up reported success although the package could not be installed: $out"
fi
grep -q "could not be installed: somepkg" <<<"$out" || fail "no clear message: $out"
echo "set-up: goes on after the update error, fails clearly on a missing package"

# 2. The PDF through poppler.
command -v pdfinfo >/dev/null || fail "pdfinfo (poppler-utils) is not installed"
bin="$build/bin"
scenario="$work/scenario.ini"
pages=""
for p in 01-letter.png 02-business-card.png 03-photo.jpg 04-short-sheet.png; do
  pages="$pages${pages:+;}$(winepath -w "$bin/samples/$p" 2>/dev/null)"
done
printf '[Feeder]\nPages=%s\nLoop=0\n' "$pages" >"$scenario"
export TARVX380_SIM="$(winepath -w "$scenario" 2>/dev/null)"
cd "$bin"
for ext in pdf tif; do
  "$build/wine-run.sh" ./txscan.exe scan --source TARVX380.ds --mode gray --dpi 150 --pages all --quiet \
     --jpeg-quality 95 --out "$(winepath -w "$work/all.$ext" 2>/dev/null)" >/dev/null \
    || fail "txscan could not scan into $ext"
done
info=$(pdfinfo "$work/all.pdf") || fail "pdfinfo cannot read the PDF"
grep -q "^Pages: *4$" <<<"$info" || fail "the PDF does not hold 4 pages: $info"
pdftoppm -r 150 -gray "$work/all.pdf" "$work/page"
for i in 1 2 3 4; do
  size=$(pdfinfo -f $i -l $i "$work/all.pdf" | sed -n "s/^Page *$i size: *\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p")
  want=$(identify -format '%w %h' "$work/all.tif[$((i - 1))]")
  read -r pw ph <<<"$size"
  read -r tw th <<<"$want"
  awk -v a="$pw" -v b="$tw" 'BEGIN { exit !(a - b * 0.48 < 0.02 && b * 0.48 - a < 0.02) }' \
    || fail "page $i is $pw pt wide, the scan $tw pixels at 150 dpi"
  awk -v a="$ph" -v b="$th" 'BEGIN { exit !(a - b * 0.48 < 0.02 && b * 0.48 - a < 0.02) }' \
    || fail "page $i is $ph pt high, the scan $th pixels at 150 dpi"
  render=$(ls "$work"/page-*$i.pgm)
  [ "$(identify -format '%w %h' "$render")" = "$tw $th" ] || fail "page $i renders at another size"
  # The rendered JPEG page against the TIFF page: mean absolute difference.
  mae=$( (compare -metric MAE "$render" "$work/all.tif[$((i - 1))]" null: 2>&1 || true) | sed 's/.*(\(.*\))/\1/')
  awk -v m="$mae" 'BEGIN { exit !(m < 0.03) }' || fail "page $i differs from the scan (MAE $mae)"
  echo "page $i: $pw x $ph pt, renders at $tw x $th pixels, MAE $mae against the TIFF"
done
echo "PDF: 4 pages read by poppler match the multi-page TIFF"
