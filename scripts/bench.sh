#!/usr/bin/env bash
# Builds and runs the benchmarks natively: our imaging core against Leptonica
# on generated pages. Prints the figures of both side by side; exits 0.
# Usage: scripts/bench.sh [text pages per resolution, default 24]
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages cmake make g++ pkg-config libleptonica-dev

BENCH_BUILD="${TX_BENCH_BUILD_DIR:-/tmp/build-bench}"
echo "== building the imaging benchmark in $BENCH_BUILD"
cmake -S "$ROOT/bench/imaging" -B "$BENCH_BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BENCH_BUILD" -j"$(nproc)" >/dev/null
"$BENCH_BUILD/imaging_bench" "${1:-24}"
