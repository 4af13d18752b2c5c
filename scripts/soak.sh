#!/usr/bin/env bash
# The soak, in one process: loads, uses and unloads every module we ship,
# 1,000 times each (the data source: list, open, scan a page, close), then
# takes 200 pages of one continuous scan in a single session of the data
# source. Prints the process's TLS slots, handles, GDI and USER objects, heap
# and private bytes before and after each module's cycles and every 20 pages
# of the scan. Exits 1 when a figure grew beyond its bound or a cycle or a
# page failed.
# Usage: scripts/soak.sh [--pages=N] [--sample-every=N] [cycles, default 1000] [module ...]
#   --pages=0 leaves the continuous scan out; cycles 0 leaves the modules out.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ensure_packages $PACKAGES
build_targets module_soak
start_display
prepare_wine
options=()
while [ "$#" -gt 0 ] && [[ "$1" == --* ]]; do
  options+=("$1")
  shift
done
cycles="${1:-1000}"
shift || true
modules=()
if [ "$cycles" -gt 0 ]; then
  if [ "$#" -eq 0 ]; then
    # The modules the build declared with tx_shipped_module, as the soak test has them.
    list="$(sed -n 's/.*soak_tests\.exe" "--modules=\([^"]*\)".*/\1/p' "$BUILD/CTestTestfile.cmake" | head -1)"
    IFS=',' read -r -a modules <<< "$list"
    [ "${#modules[@]}" -gt 0 ] || { echo "no modules found"; exit 1; }
  else
    modules=("$@")
  fi
fi
cd "$BUILD/bin"
start=$(date +%s)
status=0
"$BUILD/wine-run.sh" ./module_soak.exe --cycles="$cycles" "${options[@]}" "${modules[@]}" || status=$?
echo "== soak finished in $(( $(date +%s) - start )) s: $([ "$status" -eq 0 ] && echo flat || echo FAILED)"
exit "$status"
