#!/usr/bin/env bash
# Builds the libFuzzer targets natively with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for a bounded time.
#   scripts/fuzz.sh [seconds per target] [target...]
# Targets: bmp scenario customdata container (all when none is named).
# The working corpus of each target grows in build/native-fuzz/corpus/<target>
# (seeded by the seed writers on every run); a crashing input is kept in
# build/native-fuzz/findings/<target>. The summary gives each target's runs,
# executions and findings; the exit code is non-zero when any target failed.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
SECONDS_PER_TARGET="${1:-60}"
shift || true
TARGETS=("$@")
[ ${#TARGETS[@]} -eq 0 ] && TARGETS=(bmp scenario customdata container)

ensure_packages clang libclang-rt-14-dev
FUZZ="$BUILD/native-fuzz"
cmake -S "$ROOT/tests/native" -B "$FUZZ" -DTX_FUZZ=ON \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$FUZZ" -j2

mkdir -p "$FUZZ/corpus" "$FUZZ/findings"
for t in bmp scenario customdata container; do mkdir -p "$FUZZ/corpus/$t" "$FUZZ/findings/$t"; done
"$FUZZ/seeds_bmp" "$FUZZ/corpus/bmp"
"$FUZZ/seeds_scenario" "$FUZZ/corpus/scenario"
"$FUZZ/seeds_ds" "$FUZZ/corpus/customdata" "$FUZZ/corpus/container"
# Inputs that once found a fault start every run again.
for d in "$ROOT"/fuzz/regressions/*/; do cp "$d"* "$FUZZ/corpus/$(basename "$d")/"; done

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
status=0
summary=""
for t in "${TARGETS[@]}"; do
  log="$FUZZ/findings/$t/last-run.log"
  started=$(date +%s)
  echo "== fuzzing $t for ${SECONDS_PER_TARGET}s"
  if "$FUZZ/fuzz_$t" -max_total_time="$SECONDS_PER_TARGET" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$FUZZ/findings/$t/" -print_final_stats=1 "$FUZZ/corpus/$t" >"$log" 2>&1; then
    result="no finding"
  else
    result="FINDING (see $log)"
    status=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
  took=$(($(date +%s) - started))
  summary="$summary$(printf '%-11s %8ss %12s executions  %s' "$t" "$took" "${runs:-?}" "$result")\n"
done
printf '== fuzzing summary\n%b' "$summary"
exit $status
