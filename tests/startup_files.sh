#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up and the first paint open no picture file (the pictures are built
# in) and no image plugin (they are built in ready to draw, and loading a
# plugin would cost start-up time). strace records every file the process
# opens until its first paint is done; a crash or a hang fails the test.
set -euo pipefail
probe=$1
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# LeakSanitizer cannot run under ptrace; the other suites look for leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
if ! QT_QPA_PLATFORM=offscreen timeout 60 strace -f -e trace=open,openat -o "$log" "$probe"; then
    echo "the window did not start and paint cleanly"
    exit 1
fi
if ! grep -q "libQt6Widgets" "$log"; then
    echo "strace recorded no library opens: the trace proves nothing"
    exit 1
fi
status=0
if grep -E '\.(jpg|jpeg|bmp|png|ico|svg)"|/assets/' "$log"; then
    echo "the application opened picture files"
    status=1
fi
if grep -E '/imageformats|/iconengines' "$log"; then
    echo "the application looked for image plugins"
    status=1
fi
[ $status -eq 0 ] && echo "no picture file and no image plugin opened"
exit $status
