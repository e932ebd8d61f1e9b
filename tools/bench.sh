#!/usr/bin/env bash
# Builds every benchmark (bench/bench_*.cpp) and the installer in one build,
# then runs each under Wine, from the same build the tests run; each prints
# its own figures beside its reference, and this its time.
set -uo pipefail
source "$(dirname "$0")/env.sh"

bash "$QUILLORA_ROOT/tools/setup.sh" || exit 1
# A prefix of its own: ending it leaves the tests' Wine running.
quillora_choose_bitness wineprefix-bench
started=$SECONDS
quillora_build_arch "$QUILLORA_TEST_ARCH" --target bench_all || exit 1

trap quillora_stop_all EXIT
quillora_start_xvfb || exit 1
quillora_prepare_prefix

export QUILLORA_SETUP_EXE=$BUILD_DIR/QuilloraSetup.exe
echo "benchmarks of the $QUILLORA_TEST_ARCH build (built in $((SECONDS - started)) s)"
status=0
for bench in "$BUILD_DIR"/bench/bench_*.exe; do
  [ -e "$bench" ] || continue
  echo "== $(basename "$bench" .exe)"
  began=$SECONDS
  "$QUILLORA_ROOT/tools/wine-exec.sh" "$bench" "$@" || { echo "(exit status $?)"; status=1; }
  echo "($((SECONDS - began)) s)"
done
echo "all benchmarks: $((SECONDS - started)) s, $([ $status = 0 ] && echo "every one passed its checks" || echo "some failed their checks")"
exit $status
