#!/usr/bin/env bash
# Sets up, builds and starts the installer under Wine. With no usable
# display it runs under a private Xvfb, saves a screenshot of the screen to
# the build folder and ends the installer.
set -uo pipefail
source "$(dirname "$0")/env.sh"

bash "$QUILLORA_ROOT/tools/setup.sh" || exit 1
quillora_build --target QuilloraSetup || exit 1

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  quillora_prepare_prefix
  wine "$BUILD_DIR/QuilloraSetup.exe"
  exit $?
fi

trap quillora_stop_all EXIT
quillora_start_xvfb || exit 1
quillora_prepare_prefix
wine "$BUILD_DIR/QuilloraSetup.exe" &
installer=$!
sleep "${SCREENSHOT_DELAY:-8}"
import -window root "$BUILD_DIR/screenshot.png"
echo "screenshot: $BUILD_DIR/screenshot.png"
kill "$installer" 2>/dev/null
quillora_stop_all
