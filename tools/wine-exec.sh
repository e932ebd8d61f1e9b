#!/bin/sh
# Runs one Windows program under Wine for ctest. Its output goes through a
# file: Wine's helper processes (services, the desktop) started by the first
# program inherit its output handles and outlive it, and would keep ctest
# waiting on a pipe until its timeout.
out=$(mktemp)
"${QUILLORA_WINE:-wine}" "$@" >"$out" 2>&1 </dev/null
status=$?
cat "$out"
# A program whose Wine server is ended under it exits with status 0 at
# once: a test program that never reached its summary line has failed.
if [ "$status" -eq 0 ] && grep -q '^\[==========\] Running ' "$out" &&
   ! grep -q '^\[==========\] .* ran\.' "$out"; then
  echo "wine-exec: $1 ended before its tests had all run" >&2
  status=1
fi
rm -f "$out"
exit $status
