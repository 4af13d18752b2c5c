#!/usr/bin/env bash
# The installer as an administrator runs it, silently, in a copy of the
# build's Wine prefix (the other tests keep theirs untouched):
#  1. an older version installed on a machine without a driver library:
#     every file and registry entry, the simulated scanner chosen;
#  2. this version installed over it: the user's profile kept, the version
#     and the files updated, the simulated scanner still ours;
#  3. a page scanned with the installed client from the installed source,
#     found by a manager in the folder TWAIN 2 managers search;
#  4. the uninstaller: nothing of ours left but the profile;
#  5. a machine with a driver library that is not ours: the simulated
#     scanner is not installed over it, and the uninstaller leaves it.
# Usage: installer_test.sh BUILD_DIR INSTALLER VERSION SCRIPT SAMPLES_NSH
set -euo pipefail
build="$1"
installer="$2"
version="$3"
script="$4"
samples_nsh="$5"

work="$build/installer-test"
prefix="$work/prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

rm -rf "$work"
mkdir -p "$work"
[ -f "$build/wineprefix/system.reg" ] || fail "the build's Wine prefix is not prepared"
cp -a "$build/wineprefix" "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
finish() { wineserver -k >/dev/null 2>&1 || true; }
trap finish EXIT

c="$prefix/drive_c"
sys="$c/windows/system32"
source_dir="$c/windows/twain_64/VSK"
program_dir="$c/Program Files/VSK/Tarvex 380"
menu_dir="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tarvex 380"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvex380'
clsid='HKCR\CLSID\{FED292BE-3BDF-4b43-AB51-73F8FB459948}'
# The scanner's shell class, where the extension adds its menu and pages.
shellex='HKCR\CLSID\{65EFC675-BFEA-4246-9032-CDD13F184D64}\shellex'
handlers="ContextMenuHandlers PropertySheetHandlers"
samples=$(sed -n 's/.*File "\(.*\)".*/\1/p' "$samples_nsh")
[ -n "$samples" ] || fail "no sample pages listed in $samples_nsh"

run() { wine "$@" </dev/null; local rc=$?; wineserver -w; return $rc; }
# A value's data as reg prints it ("" names the key's default value).
reg_value() {
  local name="$2" args=(/v "$2")
  [ -n "$name" ] || { name="(Default)"; args=(/ve); }
  wine reg query "$1" "${args[@]}" </dev/null 2>/dev/null | tr -d '\r' |
    awk -v v="$name" '$1 == v { $1 = ""; $2 = ""; sub(/^  */, ""); print }'
}
has_key() { wine reg query "$1" </dev/null >/dev/null 2>&1; }
same_file() { cmp -s "$1" "$2"; }

installed_files_are() {  # the files of one installation, with the binaries of this build
  local f
  for f in TARVX380.ds VOZozur.dll; do
    [ -f "$source_dir/$f" ] || fail "$1: $source_dir/$f missing"
  done
  for f in TX380WUI.dll txscan.exe Uninstall.exe; do
    [ -f "$program_dir/$f" ] || fail "$1: $program_dir/$f missing"
  done
  [ -f "$menu_dir/Scan with Tarvex 380.lnk" ] || fail "$1: the client's shortcut is missing"
  [ -f "$menu_dir/Uninstall.lnk" ] || fail "$1: the uninstaller's shortcut is missing"
  has_key "$clsid\\InprocServer32" || fail "$1: the extension is not registered"
  local server
  server="$(reg_value "$clsid\\InprocServer32" "")"
  case "$server" in *"Tarvex 380\\TX380WUI.dll"*) ;; *) fail "$1: the extension is registered as '$server'";; esac
  local h
  for h in $handlers; do
    has_key "$shellex\\$h\\{FED292BE-3BDF-4b43-AB51-73F8FB459948}" || fail "$1: no $h entry for the extension"
  done
  [ "$(reg_value "$key" DisplayName)" = "Tarvex 380 driver software" ] || fail "$1: DisplayName"
  [ "$(reg_value "$key" Publisher)" = "VSK" ] || fail "$1: Publisher"
  case "$(reg_value "$key" UninstallString)" in *"Tarvex 380\\Uninstall.exe"*) ;; *) fail "$1: UninstallString";; esac
}

simulator_installed() {
  [ -f "$sys/TARVX380.dll" ] || fail "$1: the simulated scanner is missing"
  same_file "$sys/TARVX380.dll" "$build/bin/TARVX380.dll" || fail "$1: the system folder's driver library is not the simulator"
  local page
  for page in $samples; do
    [ -f "$sys/samples/$(basename "$page")" ] || fail "$1: sample page $(basename "$page") missing"
  done
  [ "$(reg_value "$key" SimulatedScanner)" = "0x1" ] || fail "$1: the simulator is not recorded as ours"
}

nothing_of_ours_left() {
  [ ! -e "$source_dir" ] || fail "$1: $source_dir is left: $(ls "$source_dir")"
  [ ! -e "$c/Program Files/VSK" ] || fail "$1: the program folder is left: $(ls -R "$c/Program Files/VSK")"
  [ ! -e "$menu_dir" ] || fail "$1: the start menu folder is left"
  [ ! -e "$sys/samples" ] || fail "$1: the sample pages are left"
  ! has_key "$key" || fail "$1: the uninstall entry is left"
  ! has_key "$clsid" || fail "$1: the extension's class is still registered"
  local h
  for h in $handlers; do
    ! has_key "$shellex\\$h\\{FED292BE-3BDF-4b43-AB51-73F8FB459948}" || fail "$1: the $h entry is left"
  done
}

uninstall() {
  # The uninstaller copies itself to the temporary folder and runs from there;
  # wineserver -w waits for it.
  run "$program_dir/Uninstall.exe" /S || fail "the uninstaller failed"
}

# 1. An older version, made from the same script, on a machine without a
#    driver library.
[ ! -e "$sys/TARVX380.dll" ] || fail "the prefix already has a driver library"
older="$work/Tarvex380-3.4.0.0-setup.exe"
makensis -V1 -NOCD -DVERSION=3.4.0.0 "-DBIN=$build/bin" "-DSAMPLES_NSH=$samples_nsh" "-DOUTFILE=$older" "$script" \
  || fail "makensis could not make the older installer"
run "$older" /S || fail "the older installer failed (exit code $?)"
installed_files_are "install 3.4.0.0"
simulator_installed "install 3.4.0.0"
[ "$(reg_value "$key" DisplayVersion)" = "3.4.0.0" ] || fail "install 3.4.0.0: DisplayVersion"
pass "a fresh install puts every file and registry entry in place, with the simulated scanner"

# The user's profile as a scanning session leaves it, with a value of the
# user's own.
user="$(wine cmd /c echo %USERNAME% </dev/null 2>/dev/null | tr -d '\r')"
profile="$c/users/$user/AppData/Local/Mirevo/TARVX380.INI"
mkdir -p "$(dirname "$profile")"
printf '[MAIN]\r\nUnits=1\r\n[PRESET_2]\r\nDPI=200\r\n' > "$profile"
cp "$profile" "$work/profile.before"

# 2. This version over it.
run "$installer" /S || fail "the installer failed over the older version"
installed_files_are "upgrade"
simulator_installed "upgrade"
[ "$(reg_value "$key" DisplayVersion)" = "$version" ] || fail "upgrade: DisplayVersion is $(reg_value "$key" DisplayVersion)"
same_file "$source_dir/TARVX380.ds" "$build/bin/TARVX380.ds" || fail "upgrade: the data source was not replaced"
same_file "$profile" "$work/profile.before" || fail "upgrade: the user's profile changed"
pass "an upgrade replaces the files and the version and keeps the user's profile"

# 3. A page from the installed client, through a manager that lists the
#    sources of the installed folder.
out="$work/page.png"
TX_TEST_DSM_FOLDER='C:\windows\twain_64\VSK' run "$program_dir/txscan.exe" scan \
  --manager "$(winepath -w "$build/bin/testmanager/TWAINDSM.DLL" 2>/dev/null)" --name "Tarvex 380" \
  --mode gray --dpi 150 --quiet --out "$(winepath -w "$out" 2>/dev/null)" \
  || fail "the installed client could not scan"
[ -f "$out" ] || fail "the installed client wrote no page"
size="$(identify -format '%w %h' "$out" 2>/dev/null)"
set -- $size
[ "${1:-0}" -gt 100 ] && [ "${2:-0}" -gt 100 ] || fail "the scanned page is $size"
pass "the installed client scans a page (${1} x ${2}) from the installed source"

# 4. The uninstaller.
uninstall
nothing_of_ours_left "uninstall"
[ ! -e "$sys/TARVX380.dll" ] || fail "uninstall: the simulated scanner is left"
[ -f "$profile" ] || fail "uninstall: the user's profile was removed"
pass "the uninstaller removes everything of ours and keeps the profile"

# 5. A driver library that is not ours.
printf 'not our driver library' > "$sys/TARVX380.dll"
cp "$sys/TARVX380.dll" "$work/foreign.dll"
run "$installer" /S || fail "the installer failed beside a foreign driver library"
installed_files_are "beside a foreign driver"
same_file "$sys/TARVX380.dll" "$work/foreign.dll" || fail "the installer replaced a driver library that is not ours"
[ ! -e "$sys/samples" ] || fail "the sample pages were installed beside a foreign driver library"
uninstall
nothing_of_ours_left "uninstall beside a foreign driver"
same_file "$sys/TARVX380.dll" "$work/foreign.dll" || fail "the uninstaller removed a driver library that is not ours"
pass "a driver library that is not ours is neither replaced nor removed"

rm -f "$sys/TARVX380.dll"
finish
trap - EXIT
rm -rf "$work"
echo "installer: all checks passed"
