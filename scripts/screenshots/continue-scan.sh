#!/usr/bin/env bash
# Screenshot of the continue-scan dialog as a person sees it: the dialog test
# holds the dialog open for a moment while the screen is captured.
# Usage: scripts/screenshots/continue-scan.sh [output.png]
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
OUT="$(realpath -m "${1:-$BUILD/screenshots/continue-scan.png}")"
mkdir -p "$(dirname "$OUT")"
cmake --build "$BUILD" -j2 --target ui_tests >/dev/null
start_display
prepare_wine
cd "$BUILD/bin"
TX_UI_PAUSE_MS=4000 "$BUILD/wine-run.sh" ./ui_tests.exe \
  --gtest_filter=ContinueScanDlgTest.ShowsItsTextsAndKeepsOkOutOfReach >/dev/null &
TEST_PID=$!
sleep 3
import -window root -crop 640x480+0+0 "$OUT"
wait "$TEST_PID"
echo "$OUT"
