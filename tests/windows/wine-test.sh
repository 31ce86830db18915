#!/usr/bin/env bash
# Runs a Windows QTest program under Wine for CTest. Under Wine, what
# QTest writes to the console does not reach the Unix side, so the program
# logs to a file, which is then shown.
#   wine-test.sh PROGRAM [ARGUMENTS...]
set -uo pipefail
log=$(mktemp --suffix=.txt)
trap 'rm -f "$log"' EXIT
wine "$@" -o "Z:${log//\//\\},txt"
status=$?
cat "$log"
exit $status
