#!/usr/bin/env bash
# The pictures are built into the executable: starting the window and
# painting it opens no picture file. strace records every file the process
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
if grep -E '\.(jpg|jpeg|bmp|png|ico)"|/assets/' "$log" ; then
    echo "the application opened picture files"
    exit 1
fi
echo "no picture file opened"
