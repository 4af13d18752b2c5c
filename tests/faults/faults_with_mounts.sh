#!/bin/bash
# Runs the fault tests with two small file systems of their own: a 64 KB
# tmpfs that a page does not fit in, and a read-only one holding one file.
# Their paths reach the tests through TX_FAULTS_SMALL and TX_FAULTS_READONLY;
# where they cannot be mounted (not root, or the container refuses),
# TX_FAULTS_MOUNT_SKIP says why and those cases skip. Both are unmounted
# however the tests end.
# Usage: faults_with_mounts.sh <runner> <program> [arguments...]
work=$(mktemp -d /tmp/tx-faults.XXXXXX) || exit 1
small="$work/small"
readonly_dir="$work/readonly"
mkdir -p "$small" "$readonly_dir"

cleanup() {
  mountpoint -q "$small" && umount "$small"
  mountpoint -q "$readonly_dir" && umount "$readonly_dir"
  rmdir "$small" "$readonly_dir" "$work" 2>/dev/null
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

mount_all() {
  [ "$(id -u)" = 0 ] || { echo "the tests do not run as root"; return 1; }
  mount -t tmpfs -o size=64k,mode=0777 tx-faults-small "$small" 2>&1 || return 1
  mount -t tmpfs -o size=64k,mode=0755 tx-faults-readonly "$readonly_dir" 2>&1 || return 1
  printf 'BM a file that was there before\n' > "$readonly_dir/kept.bmp" || return 1
  mount -o remount,ro "$readonly_dir" 2>&1 || return 1
}

if why=$(mount_all); then
  export TX_FAULTS_SMALL="$small" TX_FAULTS_READONLY="$readonly_dir"
else
  export TX_FAULTS_MOUNT_SKIP="cannot mount the small and read-only file systems here: ${why:-mount refused}"
fi
"$@"
