#!/usr/bin/env bash
# Builds and runs every benchmark (bench/bench_*.cpp) under Wine, from the
# same build the tests run; each prints its own figures beside its reference.
set -uo pipefail
source "$(dirname "$0")/env.sh"

bash "$QUILLORA_ROOT/tools/setup.sh" || exit 1
# A prefix of its own: ending it leaves the tests' Wine running.
quillora_choose_bitness wineprefix-bench
targets=(--target QuilloraSetup)
for src in "$QUILLORA_ROOT"/bench/bench_*.cpp; do
  targets+=(--target "$(basename "$src" .cpp)")
done
quillora_build_arch "$QUILLORA_TEST_ARCH" "${targets[@]}" || exit 1

trap quillora_stop_all EXIT
quillora_start_xvfb || exit 1
quillora_prepare_prefix

export QUILLORA_SETUP_EXE=$BUILD_DIR/QuilloraSetup.exe
echo "benchmarks of the $QUILLORA_TEST_ARCH build"
status=0
for bench in "$BUILD_DIR"/bench/bench_*.exe; do
  [ -e "$bench" ] || continue
  echo "== $(basename "$bench" .exe)"
  "$QUILLORA_ROOT/tools/wine-exec.sh" "$bench" "$@" || status=1
done
exit $status
