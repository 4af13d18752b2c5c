#!/usr/bin/env bash
# The soak: loads, uses and unloads every module we ship, 2,000 times each in
# one process (the data source: identity, open, close), and prints the
# process's TLS slots, handles, GDI and USER objects and memory before and
# after. Exits 1 when a figure grew beyond its bound or a session failed.
# Usage: scripts/soak.sh [sessions, default 2000] [module ...]
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ensure_packages $PACKAGES
build_project
start_display
prepare_wine
cycles="${1:-2000}"
shift || true
if [ "$#" -eq 0 ]; then
  # The modules the build declared with tx_shipped_module, as the soak test has them.
  list="$(sed -n 's/.*soak_tests\.exe" "--modules=\([^"]*\)".*/\1/p' "$BUILD/CTestTestfile.cmake" | head -1)"
  IFS=',' read -r -a modules <<< "$list"
else
  modules=("$@")
fi
[ "${#modules[@]}" -gt 0 ] || { echo "no modules found"; exit 1; }
cd "$BUILD/bin"
"$BUILD/wine-run.sh" ./module_soak.exe --cycles="$cycles" "${modules[@]}"
