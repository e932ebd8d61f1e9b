#!/usr/bin/env bash
# Sets up, builds and runs every test program under Wine in a private X
# display; ctest's summary is the last thing printed.
set -uo pipefail
source "$(dirname "$0")/env.sh"

bash "$QUILLORA_ROOT/tools/setup.sh" || exit 1
quillora_build || exit 1

trap quillora_stop_all EXIT
quillora_start_xvfb || exit 1
quillora_prepare_prefix

ctest --test-dir "$BUILD_DIR" --output-on-failure -j "${TEST_JOBS:-4}" "$@" > "$BUILD_DIR/ctest.log" 2>&1
status=$?
quillora_stop_all
cat "$BUILD_DIR/ctest.log"
exit $status
