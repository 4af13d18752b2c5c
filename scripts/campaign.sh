#!/usr/bin/env bash
# The bad-input campaign at length: seeded random calls through DS_Entry,
# each checked for a sound answer and state. Prints the seed; a failure names
# the call and its triplet, and a hang or crash the calls before it.
# Usage: scripts/campaign.sh [seed, default: from the clock] [calls, default 100000]
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ensure_packages $PACKAGES
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw64.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j2 --target campaign_tests
start_display
prepare_wine
seed="${1:-$(date +%s)}"
calls="${2:-100000}"
echo "campaign seed $seed, $calls calls"
cd "$BUILD/bin"
TX_CAMPAIGN_SEED="$seed" TX_CAMPAIGN_CALLS="$calls" TX_CAMPAIGN_SECONDS=0 \
  "$BUILD/wine-run.sh" ./campaign_tests.exe --gtest_filter='Campaign.*'
