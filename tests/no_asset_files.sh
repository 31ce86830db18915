#!/usr/bin/env bash
# The pictures are built into the executable: running it opens no picture
# file. strace records every file the application opens while it starts
# and shows its window.
set -euo pipefail
app=$1
log=$(mktemp)
trap 'rm -f "$log"' EXIT
QT_QPA_PLATFORM=offscreen timeout -s TERM 3 strace -f -e trace=open,openat -o "$log" "$app" || true
if ! grep -q "libQt6Widgets" "$log"; then
    echo "strace recorded no library opens: the trace proves nothing"
    exit 1
fi
if grep -E '\.(jpg|jpeg|bmp|png|ico)"|/assets/' "$log" ; then
    echo "the application opened picture files"
    exit 1
fi
echo "no picture file opened"
