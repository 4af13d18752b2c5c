#!/usr/bin/env bash
# Screenshots of the property-page extension under a virtual display: the
# Advanced page, the calibration's confirmation dialog and the context menu
# of the scanner's icon. Builds wiaui_tests, runs its Screenshots test and
# takes each picture with ImageMagick while the test holds the window up.
# Pictures land in build/screenshots/wiaui/ (page.png, confirm.png, menu.png).
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
ensure_packages $PACKAGES
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$BUILD" -j2 --target wiaui_tests tx_sim_driver
start_display
prepare_wine

OUT="$BUILD/screenshots/wiaui"
rm -rf "$OUT"
mkdir -p "$OUT"
cd "$BUILD/bin"
TX_WIAUI_SHOTS="Z:$(echo "$OUT" | tr / '\\')" "$BUILD/wine-run.sh" ./wiaui_tests.exe \
  --gtest_filter='Screenshots.*' &
TEST_PID=$!
for name in page confirm menu; do
  for _ in $(seq 300); do [ -e "$OUT/$name.ready" ] && break; sleep 0.1; done
  if [ ! -e "$OUT/$name.ready" ]; then echo "no $name to take" >&2; break; fi
  import -window root -display "$DISPLAY" "$OUT/$name.png"
  touch "$OUT/$name.done"
  echo "== $OUT/$name.png"
done
wait "$TEST_PID"
