# Sourced by the run, test and benchmark commands: the build folders, the
# private Wine prefixes and a private X display.
# shellcheck shell=bash

QUILLORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_ROOT=$QUILLORA_ROOT/build
# The product is 32-bit: this build (product, tests and benchmarks) is made on
# every machine, and its QuilloraSetup.exe is the one that ships.
PRODUCT_BUILD_DIR=$BUILD_ROOT/i686

export LC_ALL=zh_CN.UTF-8
export WINEDEBUG=-all
# No desktop files, no Mono/Gecko prompts, and no debugger: a program that
# crashes prints its crash address and ends at once.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;winedbg.exe=d;mscoree,mshtml="

WINE32=/usr/lib/wine/wine
WINE64=/usr/lib/wine/wine64

# Set by quillora_choose_bitness, after set-up has installed Wine.
QUILLORA_TEST_ARCH=
BUILD_DIR=

# True when the 32-bit Wine loader really starts a 32-bit Windows program
# here, tried in the i686 build's prefix of that name. Where the kernel
# cannot execute 32-bit code the loader itself fails at once.
quillora_runs_32bit() {  # prefix name
  [ -x "$WINE32" ] || return 1
  local exe=$BUILD_ROOT/probe/probe32.exe src=$QUILLORA_ROOT/tools/probe32.c out
  if [ ! -f "$exe" ] || [ "$src" -nt "$exe" ]; then
    mkdir -p "${exe%/*}" && i686-w64-mingw32-gcc-posix -O2 -s "$src" -o "$exe" || return 1
  fi
  mkdir -p "$PRODUCT_BUILD_DIR"
  out=$(WINEPREFIX=$PRODUCT_BUILD_DIR/$1 timeout 300 "$WINE32" "$exe" </dev/null 2>/dev/null) || return 1
  [[ $out == *"quillora-probe 32"* ]]
}

# Tests, benchmarks and the run command use the 32-bit build under 32-bit
# Wine wherever that runs; elsewhere the x86_64 build of the same sources
# under 64-bit Wine. Each command has its own Wine prefix in the build
# folder (the tests "wineprefix", the default), since each ends its prefix's
# Wine server when done: so the commands can run side by side.
quillora_choose_bitness() {  # [prefix name]
  local prefix=${1:-wineprefix}
  if quillora_runs_32bit "$prefix"; then
    QUILLORA_TEST_ARCH=i686
    QUILLORA_WINE=$WINE32
  else
    QUILLORA_TEST_ARCH=x86_64
    QUILLORA_WINE=$WINE64
  fi
  BUILD_DIR=$BUILD_ROOT/$QUILLORA_TEST_ARCH
  export QUILLORA_TEST_ARCH QUILLORA_WINE WINEPREFIX=$BUILD_DIR/$prefix
}

quillora_bitness_line() {
  if [ "$QUILLORA_TEST_ARCH" = i686 ]; then
    echo "Ran the 32-bit (i686) build under 32-bit Wine."
  else
    echo "Ran the x86_64 build under 64-bit Wine: this machine cannot run 32-bit programs (the i686 build was compiled only)."
  fi
}

quillora_wine() { "$QUILLORA_WINE" "$@"; }
quillora_wineserver() {
  local server=/usr/lib/wine/wineserver64
  [ -x "$server" ] || server=/usr/lib/wine/wineserver32
  "$server" "$@"
}

# Configures a build folder unless it is already configured for this
# checkout, this toolchain and with tests and benchmarks; a cache made for
# anything else is dropped, never reused.
quillora_configure() {  # arch
  local dir=$BUILD_ROOT/$1 toolchain=$QUILLORA_ROOT/cmake/mingw-$1.cmake cache=$BUILD_ROOT/$1/CMakeCache.txt
  # The earlier layout kept a build at the top of build/: drop it.
  if [ -f "$BUILD_ROOT/CMakeCache.txt" ]; then
    find "$BUILD_ROOT" -mindepth 1 -maxdepth 1 ! -name i686 ! -name x86_64 ! -name probe ! -name .build-lock \
      -exec rm -rf {} +
  fi
  if [ -f "$cache" ]; then
    if grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$QUILLORA_ROOT" "$cache" &&
       grep -qx "CMAKE_TOOLCHAIN_FILE:[A-Z]*=$toolchain" "$cache" &&
       ! grep -q '^QUILLORA_\(TESTS\|BENCH\):BOOL=OFF' "$cache"; then
      return 0
    fi
    rm -rf "$cache" "$dir/CMakeFiles"
  fi
  cmake -S "$QUILLORA_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQUILLORA_TESTS=ON -DQUILLORA_BENCH=ON >/dev/null
}

quillora_build_arch() {  # arch [cmake --build options]
  local arch=$1
  shift
  mkdir -p "$BUILD_ROOT" || return 1
  # One build at a time in this checkout: commands started side by side
  # would otherwise write the same files at once.
  (
    flock 9 || exit 1
    quillora_configure "$arch" || exit 1
    # Named targets skip the check for added or removed source files that a
    # full build makes first.
    if [ $# -gt 0 ]; then
      cmake --build "$BUILD_ROOT/$arch" --target cmake_check_build_system >/dev/null || exit 1
    fi
    cmake --build "$BUILD_ROOT/$arch" -j "${QUILLORA_JOBS:-$(nproc)}" "$@"
  ) 9>"$BUILD_ROOT/.build-lock"
}

# Builds in the 32-bit build and, where the tests run 64-bit, in the x86_64
# build too (all targets, or those named: --target X), so that everything
# also compiles for i686 where 32-bit programs cannot run.
quillora_build() {
  [ -n "$QUILLORA_TEST_ARCH" ] || quillora_choose_bitness
  quillora_build_arch i686 "$@" || return 1
  [ "$QUILLORA_TEST_ARCH" = i686 ] || quillora_build_arch "$QUILLORA_TEST_ARCH" "$@"
}

# Starts Xvfb on the first free display and exports DISPLAY. The display
# is ours once its lock names our server: a command started at the same
# moment may take the number first, and ours then ends and tries the next.
XVFB_PID=
quillora_start_xvfb() {
  local n=91 _ i owner
  for _ in 1 2 3 4 5; do
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for i in $(seq 1 100); do
      kill -0 "$XVFB_PID" 2>/dev/null || break
      owner=
      [ -e "/tmp/.X11-unix/X$n" ] && read -r owner 2>/dev/null <"/tmp/.X$n-lock"
      if [ "$owner" = "$XVFB_PID" ]; then
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    kill "$XVFB_PID" >/dev/null 2>&1
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
    n=$((n + 1))
  done
  echo "Xvfb did not start" >&2
  return 1
}

# Creates the prefix once per build folder: CJK fonts for the faces the
# installer asks for, no debugger for programs that crash (also when a test
# program is run by hand), and a real Desktop folder (a new prefix links it
# to the Linux home, where shortcut tests must not write).
quillora_prepare_prefix() {
  local stamp=$WINEPREFIX/.quillora-ready
  if [ ! -f "$stamp" ]; then
    quillora_wine wineboot -i >/dev/null 2>&1
    quillora_wineserver -w
    local face
    for face in 宋体 SimSun 黑体 Tahoma Arial; do
      quillora_wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
        /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    done
    quillora_wine reg add 'HKCU\Software\Wine\DllOverrides' /v winedbg.exe /t REG_SZ /d '' /f >/dev/null 2>&1
    quillora_wineserver -w
    touch "$stamp"
  fi
  local desktop
  for desktop in "$WINEPREFIX"/drive_c/users/*/Desktop; do
    if [ -L "$desktop" ]; then
      rm "$desktop" && mkdir -p "$desktop"
    fi
  done
  quillora_wineserver -p >/dev/null 2>&1
}

quillora_stop_all() {
  [ -n "${WINEPREFIX:-}" ] && quillora_wineserver -k >/dev/null 2>&1
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" >/dev/null 2>&1 || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}
