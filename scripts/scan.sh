#!/usr/bin/env bash
# The main job: scans the bundled sample page through the data source and the
# simulated scanner with the scanning client, and writes it as a PNG and a
# TIFF. Usage: scripts/scan.sh [output folder, default ./scans]
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ensure_packages $PACKAGES
build_targets txscan
start_display
prepare_wine

outdir="$(mkdir -p "${1:-$ROOT/scans}" && cd "${1:-$ROOT/scans}" && pwd)"
# The simulator's feeder holds just the sample letter.
scenario="$outdir/sample-scenario.ini"
printf '[Feeder]\nPages=%s\nLoop=0\n' "$(winepath -w "$BUILD/bin/samples/01-letter.png" 2>/dev/null)" >"$scenario"
export TARVX380_SIM="$(winepath -w "$scenario" 2>/dev/null)"

cd "$BUILD/bin"
for ext in png tif; do
  out="$outdir/sample-page.$ext"
  rm -f "$out"
  echo "== scanning the sample page into $out"
  if ! "$BUILD/wine-run.sh" ./txscan.exe scan --source TARVX380.ds --mode gray --dpi 300 \
        --out "$(winepath -w "$out" 2>/dev/null)"; then
    echo "error: the scan failed (see the message above)" >&2
    exit 1
  fi
  [ -f "$out" ] || { echo "error: the client reported success but wrote no $out" >&2; exit 1; }
  echo "== wrote $out: $(identify -format '%w x %h pixels, %[bit-depth]-bit %[colorspace]' "$out[0]" 2>/dev/null)"
done
rm -f "$scenario"
