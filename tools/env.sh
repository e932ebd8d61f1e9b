# Sourced by the run, test and benchmark commands: the build folder, the
# private Wine prefix and a private X display.
# shellcheck shell=bash

QUILLORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$QUILLORA_ROOT/build}

export LC_ALL=zh_CN.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
export WINEPREFIX=$BUILD_DIR/wineprefix

# The product is 32-bit. Where this machine's kernel cannot execute 32-bit
# code (so the 32-bit Wine loader cannot start), the test programs are built
# for x86_64 and run by the 64-bit Wine, and the 32-bit product is built
# beside them in $BUILD_DIR/i686.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  QUILLORA_TEST_ARCH=i686
  export QUILLORA_WINE=wine
  WINESERVER=wineserver
else
  QUILLORA_TEST_ARCH=x86_64
  export QUILLORA_WINE=/usr/lib/wine/wine64
  WINESERVER=/usr/lib/wine/wineserver64
fi
PRODUCT_BUILD_DIR=$BUILD_DIR
[ "$QUILLORA_TEST_ARCH" = i686 ] || PRODUCT_BUILD_DIR=$BUILD_DIR/i686

wine() { "$QUILLORA_WINE" "$@"; }
wineserver() { "$WINESERVER" "$@"; }

quillora_configure() {  # build-dir arch [cmake options]
  local dir=$1 arch=$2
  shift 2
  [ -f "$dir/CMakeCache.txt" ] && return 0
  cmake -S "$QUILLORA_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$QUILLORA_ROOT/cmake/mingw-$arch.cmake" "$@" >/dev/null
}

# Builds the test build (all targets, or those named: --target X) and, when
# the tests run 64-bit, the 32-bit product.
quillora_build() {
  quillora_configure "$BUILD_DIR" "$QUILLORA_TEST_ARCH" || return 1
  cmake --build "$BUILD_DIR" -j "$(nproc)" "$@" || return 1
  if [ "$PRODUCT_BUILD_DIR" != "$BUILD_DIR" ] && [ "${QUILLORA_SKIP_PRODUCT:-0}" != 1 ]; then
    quillora_configure "$PRODUCT_BUILD_DIR" i686 -DQUILLORA_TESTS=OFF -DQUILLORA_BENCH=OFF || return 1
    cmake --build "$PRODUCT_BUILD_DIR" -j "$(nproc)" --target QuilloraSetup || return 1
  fi
}

# Starts Xvfb on the first free display and exports DISPLAY.
XVFB_PID=
quillora_start_xvfb() {
  local n=91
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on :$n" >&2
  return 1
}

# Creates the prefix once per build folder: CJK fonts for the faces the
# installer asks for, and a real Desktop folder (a new prefix links it to
# the Linux home, where shortcut tests must not write).
quillora_prepare_prefix() {
  local stamp=$WINEPREFIX/.quillora-ready
  if [ ! -f "$stamp" ]; then
    wine wineboot -i >/dev/null 2>&1
    wineserver -w
    local face
    for face in 宋体 SimSun 黑体 Tahoma Arial; do
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
        /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    done
    wineserver -w
    touch "$stamp"
  fi
  local desktop
  for desktop in "$WINEPREFIX"/drive_c/users/*/Desktop; do
    if [ -L "$desktop" ]; then
      rm "$desktop" && mkdir -p "$desktop"
    fi
  done
  wineserver -p >/dev/null 2>&1
}

quillora_stop_all() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" >/dev/null 2>&1 || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}
