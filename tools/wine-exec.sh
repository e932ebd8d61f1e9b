#!/bin/sh
# Runs one Windows program under Wine for ctest. Its output goes through a
# file: Wine's helper processes (services, the desktop) started by the first
# program inherit its output handles and outlive it, and would keep ctest
# waiting on a pipe until its timeout.
out=$(mktemp)
"${QUILLORA_WINE:-wine}" "$@" >"$out" 2>&1 </dev/null
status=$?
cat "$out"
rm -f "$out"
exit $status
