#!/usr/bin/env bash
# Sets up, builds and runs every test program under Wine in a private X
# display: the 32-bit build where this machine runs 32-bit programs, else the
# x86_64 build (everything is compiled for i686 either way). ctest's summary
# is the last thing printed, just after a line naming the build that ran.
set -uo pipefail
source "$(dirname "$0")/env.sh"

bash "$QUILLORA_ROOT/tools/setup.sh" || exit 1
quillora_choose_bitness
# QUILLORA_BUILD_TARGETS="a b" builds only those targets (handy while other
# folders are mid-change); run their tests with -R.
if [ -n "${QUILLORA_BUILD_TARGETS:-}" ]; then
  targets=()
  for target in $QUILLORA_BUILD_TARGETS; do targets+=(--target "$target"); done
  quillora_build "${targets[@]}" || exit 1
else
  quillora_build || exit 1
fi

trap quillora_stop_all EXIT
quillora_start_xvfb || exit 1
quillora_prepare_prefix

ctest --test-dir "$BUILD_DIR" --output-on-failure -j "${TEST_JOBS:-4}" "$@" > "$BUILD_DIR/ctest.log" 2>&1
status=$?
quillora_stop_all
awk -v line="$(quillora_bitness_line)" '
  !shown && /^[0-9]+% tests passed/ { print line; shown = 1 }
  { print }
  END { if (!shown) print line }' "$BUILD_DIR/ctest.log"
exit $status
