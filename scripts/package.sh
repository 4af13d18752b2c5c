#!/usr/bin/env bash
# Makes the Windows installer: builds whatever it needs that is missing and
# writes build/Tarvex380-<version>-setup.exe.
# Usage: scripts/package.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages $PACKAGES
build_targets tx_installer
installer="$(ls -t "$BUILD"/Tarvex380-*-setup.exe 2>/dev/null | head -1)"
[ -n "$installer" ] || { echo "error: the build made no installer" >&2; exit 1; }
echo "== wrote $installer ($(du -h "$installer" | cut -f1))"
echo "   install: run it on 64-bit Windows as an administrator (silent: add /S)"
