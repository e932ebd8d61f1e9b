#!/usr/bin/env bash
# Builds and runs every benchmark (bench/bench_*.cpp) under Wine; each
# prints its own figures beside its reference.
set -uo pipefail
source "$(dirname "$0")/env.sh"

bash "$QUILLORA_ROOT/tools/setup.sh" || exit 1
QUILLORA_SKIP_PRODUCT=1 quillora_build || exit 1

trap quillora_stop_all EXIT
quillora_start_xvfb || exit 1
quillora_prepare_prefix

export QUILLORA_SETUP_EXE=$BUILD_DIR/QuilloraSetup.exe
status=0
for bench in "$BUILD_DIR"/bench/bench_*.exe; do
  [ -e "$bench" ] || continue
  echo "== $(basename "$bench" .exe)"
  "$QUILLORA_ROOT/tools/wine-exec.sh" "$bench" "$@" || status=1
done
exit $status
