# Shared steps of the project's commands: packages, build, Wine prefix, display.
# Sourced by scan.sh, test.sh and bench.sh.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${TX_BUILD_DIR:-$ROOT/build}"
PACKAGES="cmake make nsis mingw-w64 g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 wine xvfb xauth googletest imagemagick poppler-utils clang libclang-rt-14-dev"

# Installs whatever of the named packages is missing (root or sudo).
ensure_packages() {
  local missing="" p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
  done
  [ -z "$missing" ] && return 0
  echo "== installing:$missing"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  # A mirror that is syncing makes `apt-get update` fail for one index while
  # the packages needed would still install: go on, and fail only when an
  # install does.
  if ! $sudo apt-get update -q; then
    echo "== apt-get update reported an error (one index may be out of reach); installing anyway"
  fi
  if ! DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q $missing; then
    local still=""
    for p in $missing; do
      dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || still="$still $p"
    done
    echo "error: these packages could not be installed:${still:- (see the messages of apt-get above)}" >&2
    echo "       check the network and the package sources, then run this command again." >&2
    exit 1
  fi
}

# Builds only the named targets (and what they need).
build_targets() {
  echo "== building $* in $BUILD"
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD" -j"$(nproc)" --target "$@"
}

build_project() {
  echo "== building in $BUILD"
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD" -j"$(nproc)"
}

# The build's own Wine prefix, created once. A persistent wineserver keeps the
# many short program starts of a test run fast, and Wine's background services
# are started here, detached from our output: started by the first test, they
# would hold its output pipe open and CTest would wait for them forever.
prepare_wine() {
  export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all WINEARCH=win64
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== preparing the Wine prefix"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  wineserver -p || true
  # Windows not managed by a window manager: on a bare X server Wine would
  # otherwise wait two seconds for each hidden window to be withdrawn.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
}

# A virtual display for the whole run: without one Wine creates no windows.
start_display() {
  local n=90
  while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${n}" ] && break; sleep 0.1; done
  trap 'stop_display' EXIT
}

stop_display() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" >/dev/null 2>&1 || true
}

# The portable cores built natively with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer (tests/native), and their tests run there.
# Arguments are CTest's (a -R that cannot match the native program skips it).
run_native_tests() {
  local args=("$@") i
  for ((i = 0; i < ${#args[@]}; i++)); do
    if [ "${args[$i]}" = "-R" ] && [ -n "${args[$((i + 1))]:-}" ]; then
      [[ native_asan_tests =~ ${args[$((i + 1))]} ]] || return 0
    fi
  done
  local native="$BUILD/native-asan"
  echo "== building the sanitizer tests in $native"
  cmake -S "$ROOT/tests/native" -B "$native" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
  cmake --build "$native" -j2
  (cd "$native" && ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}" \
     ctest --output-on-failure "$@")
}
