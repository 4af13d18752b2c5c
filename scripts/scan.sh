#!/usr/bin/env bash
# The main job: scans the bundled sample page through the data source and
# writes the image.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ensure_packages $PACKAGES
build_project
if [ ! -f "$BUILD/bin/txscan.exe" ]; then
  echo "The data source builds, but the scan path (transfers and the scanning client) is not there yet;"
  echo "scanning a page arrives with the transfer work. Run ./scripts/test.sh for what works today."
  exit 1
fi
prepare_wine
start_display
out="${1:-$ROOT/scan.bmp}"
"$BUILD/wine-run.sh" "$BUILD/bin/txscan.exe" --source "$BUILD/bin/TARVX380.ds" --out "$(winepath -w "$out" 2>/dev/null || echo "$out")"
echo "== wrote $out"
