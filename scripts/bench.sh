#!/usr/bin/env bash
# Builds and runs the benchmarks; each prints its figures against a baseline
# measured in the same run, and exits 0.
#  - imaging: our imaging core against Leptonica on generated pages and on
#    real-typography pages rendered once into the benchmark's build folder
#    (native);
#  - store: a page through the page store against a plain loop reading the
#    same rows from the simulated scanner, and the store's peak memory (Wine);
#  - transfer: a page through each transfer mechanism against a plain program
#    writing the same BMP from the driver's rows, and the source's peak memory.
# Usage: scripts/bench.sh [text pages per resolution, default 24]
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages $PACKAGES g++ pkg-config libleptonica-dev ghostscript fonts-dejavu-core fonts-liberation

BENCH_BUILD="${TX_BENCH_BUILD_DIR:-$BUILD/bench-host}"
echo "== building the imaging benchmark in $BENCH_BUILD"
cmake -S "$ROOT/bench/imaging" -B "$BENCH_BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BENCH_BUILD" -j"$(nproc)" >/dev/null
echo "== rendering the real-typography pages (once) into $BENCH_BUILD/pages"
"$ROOT/bench/imaging/render_pages.sh" "$BENCH_BUILD/pages"
"$BENCH_BUILD/imaging_bench" "${1:-24}" "$BENCH_BUILD/pages"

build_project
start_display
prepare_wine
echo "== the page store against a plain driver loop"
cd "$BUILD/bin"
"$BUILD/wine-run.sh" ./bench_store.exe
echo "== the transfers against a plain driver loop writing the same BMP"
"$BUILD/wine-run.sh" ./bench_transfer.exe
