#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
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
