#!/usr/bin/env bash
# Screenshots of the Custom Settings page as a person sees it: both layouts
# without a preview, a colour preview with a drawn frame in Range mode, the
# preview zoomed in, the imaging layout in centimetres, and a black-and-white
# inverted display. Each look is a test of custom_page_tests that holds the
# sheet up for a moment while the screen is captured.
# Usage: scripts/screenshots/custom-page.sh [output folder]
# Pictures: no-imaging.png, imaging.png, preview-range.png, preview-zoom.png,
# imaging-cm.png, bw-invert.png.
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
OUT="$(realpath -m "${1:-$BUILD/screenshots/custom}")"
mkdir -p "$OUT"
cmake --build "$BUILD" -j2 --target custom_page_tests tx_sim_driver >/dev/null
start_display
prepare_wine
cd "$BUILD/bin"
shoot() {
  local name="$1" filter="$2"
  TX_UI_PAUSE_MS=4000 "$BUILD/wine-run.sh" ./custom_page_tests.exe --gtest_filter="$filter" >/dev/null &
  local pid=$!
  sleep 3.5
  import -window root -crop 800x600+0+0 "$OUT/$name.png"
  wait "$pid"
  echo "$OUT/$name.png"
}
shoot no-imaging 'CustomPageTest.WithoutImagingTheFilterAndInvertShowAndTheImagingSwitchesDoNot'
shoot imaging 'CustomPageTest.WithImagingTheRotationListAndSwitchesShowInsteadOfFilterAndInvert'
shoot preview-range 'CustomPageLook.ColourPreviewInRangeMode'
shoot preview-zoom 'PreviewTest.PreviewScanWritesTheFileAndZoomScrollsOverIt'
shoot imaging-cm 'CustomPageLook.WithImagingInCentimetres'
shoot bw-invert 'PreviewTest.TheDisplayFollowsModeToneAndInvert'
