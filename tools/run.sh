#!/usr/bin/env bash
# Sets up, builds and starts the installer under Wine: the 32-bit product
# where this machine runs 32-bit programs, else its x86_64 build. With no
# usable display it runs under a private Xvfb, saves a screenshot of the
# screen to the build folder and ends the installer.
set -uo pipefail
source "$(dirname "$0")/env.sh"

bash "$QUILLORA_ROOT/tools/setup.sh" || exit 1
# A prefix of its own: ending it leaves the tests' Wine running.
quillora_choose_bitness wineprefix-run
quillora_build --target QuilloraSetup || exit 1
installer_exe=$BUILD_DIR/QuilloraSetup.exe

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  quillora_prepare_prefix
  quillora_wine "$installer_exe"
  exit $?
fi

trap quillora_stop_all EXIT
quillora_start_xvfb || exit 1
quillora_prepare_prefix
quillora_wine "$installer_exe" &
installer=$!
sleep "${SCREENSHOT_DELAY:-8}"
import -window root "$BUILD_ROOT/screenshot.png"
echo "screenshot: $BUILD_ROOT/screenshot.png ($QUILLORA_TEST_ARCH build)"
kill "$installer" 2>/dev/null
quillora_stop_all
