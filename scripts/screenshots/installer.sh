#!/usr/bin/env bash
# Screenshots of the installer as a person sees it: its components page
# (with the simulated scanner chosen, on a machine without a driver library)
# in a throw-away copy of the build's Wine prefix. Nothing is installed.
# Usage: scripts/screenshots/installer.sh [output folder]
# Pictures: components.png.
source "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
OUT="$(realpath -m "${1:-$BUILD/screenshots/installer}")"
mkdir -p "$OUT"
cmake --build "$BUILD" -j2 --target tx_installer >/dev/null
start_display
prepare_wine
installer="$(ls -t "$BUILD"/Tarvex380-*-setup.exe | head -1)"
copy="$BUILD/screenshots-prefix"
rm -rf "$copy"
cp -a "$WINEPREFIX" "$copy"
export WINEPREFIX="$copy"
wine "$installer" </dev/null >/dev/null 2>&1 &
pid=$!
sleep 6
import -window root "$OUT/components.png"
convert "$OUT/components.png" -trim +repage "$OUT/components.png"   # the window alone
echo "$OUT/components.png"
wineserver -k >/dev/null 2>&1 || true
wait "$pid" 2>/dev/null || true
rm -rf "$copy"
