#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a QTest program for CTest. A QSKIP still ends the program with status
# 0: a run that failed nothing but skipped a function ends with 77, which
# CTest counts as skipped (and the scripts do not let pass); a run that
# failed keeps its status, whatever else it skipped.
#   qtest.sh PROGRAM [ARGUMENTS...]
set -uo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$@" >"$log" 2>&1
status=$?
cat "$log"
[ $status -eq 0 ] && grep -q '^SKIP   : ' "$log" && exit 77
exit $status
