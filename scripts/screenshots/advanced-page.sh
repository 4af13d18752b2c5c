#!/usr/bin/env bash
# Screenshots of the Advanced Settings page as a person sees it: with the
# imaging library, without it, with a dropout colour in grayscale and with
# one in black and white. Each look is a test of advanced_page_tests that
# holds the sheet up for a moment while the screen is captured.
# Usage: scripts/screenshots/advanced-page.sh [output folder]
# Pictures: imaging.png, no-imaging.png, dropout-gray.png, dropout-bw.png.
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
OUT="$(realpath -m "${1:-$BUILD/screenshots/advanced}")"
mkdir -p "$OUT"
cmake --build "$BUILD" -j2 --target advanced_page_tests tx_sim_driver >/dev/null
start_display
prepare_wine
cd "$BUILD/bin"
shoot() {
  local name="$1" filter="$2"
  TX_UI_PAUSE_MS=4000 "$BUILD/wine-run.sh" ./advanced_page_tests.exe --gtest_filter="$filter" >/dev/null &
  local pid=$!
  sleep 3
  import -window root -crop 800x600+0+0 "$OUT/$name.png"
  wait "$pid"
  echo "$OUT/$name.png"
}
shoot imaging 'AdvancedPageLook.WithImaging'
shoot no-imaging 'AdvancedPageTest.WithoutTheImagingLibraryOnlyItsControlsGo'
shoot dropout-gray 'AdvancedPageLook.DropoutInGrayscale'
shoot dropout-bw 'AdvancedPageLook.DropoutInBlackAndWhite'
