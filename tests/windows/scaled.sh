#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# The window under Wine on a scaled desktop: Windows' LogPixels set to DPI in
# a Wine prefix of its own, on a virtual X server of the given size. The
# client area grows with the scale, and must be on the screen: at the form's
# scaled position where it fits, else moved there. (On a bare X server Wine
# reports no frame around it; the frame's part is tested natively.)
#   scaled.sh EXE DPI SCREEN CLIENT   (SCREEN, CLIENT: WIDTHxHEIGHT)
set -euo pipefail
exe=$1 dpi=$2 screen=$3 client=$4
source "$(dirname "$0")/../../scripts/setup"
work=$(mktemp -d)
cleanup() {
    wineserver -k 2>/dev/null || true
    kill "${app:-}" "${xvfb:-}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
read -r number <"$work/display"
export DISPLAY=":$number"
wine_prefix "$work/prefix"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wineserver -w

wine "$exe" >"$work/wine.log" 2>&1 &
app=$!
window=$(timeout 90 xdotool search --sync --onlyvisible --name '^Dividra 12 db 8va$' | head -n 1) || true
[ -n "$window" ] || { cat "$work/wine.log"; echo "no window appeared at $dpi dpi"; exit 1; }
read -r x y width height < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $NF}
    /Absolute upper-left Y/ {y = $NF} /^ *Width/ {w = $NF} /^ *Height/ {h = $NF} END {print x, y, w, h}')
status=0
[ "${width}x${height}" = "$client" ] || { echo "at $dpi dpi the client area is ${width}x${height}, not $client"; status=1; }
# Wine's X window is the client area: not one of its pixels past the edge.
screen_width=${screen%x*} screen_height=${screen#*x}
if [ "$x" -lt 0 ] || [ "$y" -lt 0 ] || [ $((x + width)) -gt "$screen_width" ] ||
    [ $((y + height)) -gt "$screen_height" ]; then
    echo "at $dpi dpi on a $screen screen the window at $x,$y ${width}x${height} is not wholly on the screen"
    status=1
fi
[ $status -eq 0 ] && echo "at $dpi dpi on a $screen screen: client area $client at $x,$y, wholly on the screen"
exit $status
