#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows QTest program under Wine for CTest. Under Wine, what
# QTest writes to the console does not reach the Unix side, so the program
# logs to a file, which is then shown. A skip listed in expected-skips.txt
# is shown as expected; a run that failed nothing but skipped another
# function ends with 77, which CTest counts as skipped; a run that failed
# keeps its status.
#   wine-test.sh PROGRAM [ARGUMENTS...]
set -uo pipefail
log=$(mktemp --suffix=.txt)
trap 'rm -f "$log"' EXIT
wine "$@" -o "Z:${log//\//\\},txt"
status=$?
expected=$(grep -v '^#' "$(dirname "$0")/expected-skips.txt" | awk '{ print $1 }')
skipped=false
while IFS= read -r line; do
    if [[ "$line" == "SKIP   : "* ]]; then
        function=${line#SKIP   : }
        function=${function%%(*}
        if grep -qxF -- "$function" <<<"$expected"; then
            line="SKIP (expected on Windows): ${line#SKIP   : }"
        else
            skipped=true
        fi
    fi
    printf '%s\n' "$line"
done <"$log"
[ $status -eq 0 ] && $skipped && exit 77
exit $status
