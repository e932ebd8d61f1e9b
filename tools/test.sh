#!/usr/bin/env bash
# Sets up, builds and runs every test program under Wine in a private X
# display; ctest's summary is the last thing printed.
set -uo pipefail
source "$(dirname "$0")/env.sh"

bash "$QUILLORA_ROOT/tools/setup.sh" || exit 1
# QUILLORA_BUILD_TARGETS="a b" builds only those targets (handy while other
# folders are mid-change); run their tests with -R.
if [ -n "${QUILLORA_BUILD_TARGETS:-}" ]; then
  for target in $QUILLORA_BUILD_TARGETS; do
    QUILLORA_SKIP_PRODUCT=1 quillora_build --target "$target" || exit 1
  done
else
  quillora_build || exit 1
fi

trap quillora_stop_all EXIT
quillora_start_xvfb || exit 1
quillora_prepare_prefix

ctest --test-dir "$BUILD_DIR" --output-on-failure -j "${TEST_JOBS:-4}" "$@" > "$BUILD_DIR/ctest.log" 2>&1
status=$?
quillora_stop_all
cat "$BUILD_DIR/ctest.log"
exit $status
