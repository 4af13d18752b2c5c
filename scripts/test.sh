#!/usr/bin/env bash
# Runs the whole test suite: installs what is missing, builds, and runs every
# test program under Wine on a virtual display, then the portable cores'
# tests natively under the sanitizers.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ensure_packages $PACKAGES
build_project
start_display
prepare_wine
status=0
(cd "$BUILD" && ctest --output-on-failure -j"$(nproc)" "$@") || status=$?
run_native_tests "$@" || status=$?
exit $status
