#!/usr/bin/env bash
# Screenshots of the source's own dialog as a person sees it: the sheet on
# each of its pages, the preset editor and a preset button's tooltip. Each
# look is a test of sheet_tests that shows the sheet through DS_Entry over
# the simulated scanner and holds it up while the screen is captured.
# Usage: scripts/screenshots/sheet.sh [output folder]
# Pictures: preset-page.png, advanced-page.png, information-page.png, preset-editor.png,
# preset-tooltip.png.
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
OUT="$(realpath -m "${1:-$BUILD/screenshots/sheet}")"
mkdir -p "$OUT"
cmake --build "$BUILD" -j2 --target sheet_tests >/dev/null
start_display
prepare_wine
cd "$BUILD/bin"
shoot() {
  local name="$1" filter="$2"
  TX_UI_PAUSE_MS=5000 "$BUILD/wine-run.sh" ./sheet_tests.exe --gtest_filter="$filter" >/dev/null &
  local pid=$!
  sleep 4
  import -window root -crop 1024x768+0+0 "$OUT/$name.png"
  wait "$pid"
  echo "$OUT/$name.png"
}
shoot preset-page 'SheetLook.PresetPage'
shoot advanced-page 'SheetLook.AdvancedSettingsPage'
shoot information-page 'SheetLook.InformationPage'
shoot preset-editor 'SheetLook.PresetEditor'
shoot preset-tooltip 'SheetLook.PresetTooltip'
