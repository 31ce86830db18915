#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window under Wine, seen from outside the process as a user sees
# it: its title, where it opens and its client area, on Wine's X window;
# then the two-way worked example typed in and calculated, its four
# captions compared with the reference picture of them. Installed as the
# installer puts it, in Program Files, it opens no file below a folder of
# the build machine (its home, the Qt it was built with, the source and
# build folders), as Wine's trace of file names shows, at start-up or
# through the example.
#   window.sh EXE FOLDER BUILD_FOLDER...   (FOLDER holds twoway-results.png)
# Needs DISPLAY (a virtual X server) and a Wine prefix; with
# DIVIDRA_SCREENSHOT=FILE it also saves the whole window there.
set -euo pipefail
exe=$1 folder=$2
shift 2
# type_worked_example.
source "$(dirname "$0")/../../scripts/setup"
work=$(mktemp -d)
trap 'kill "${app:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

installed="$WINEPREFIX/drive_c/Program Files/Dividra"
mkdir -p "$installed"
cp "$exe" "$installed/"
name=$(basename "$exe")
(cd "$work" && WINEDEBUG=trace+file exec wine "C:\\Program Files\\Dividra\\$name") >"$work/wine.log" 2>&1 &
app=$!
window=$(timeout 90 xdotool search --sync --onlyvisible --name '^Dividra 12 db 8va$' | head -n 1) || true
if [ -z "$window" ]; then
    grep -v '^[0-9a-f]*:trace:' "$work/wine.log"
    echo "no window titled \"Dividra 12 db 8va\" appeared"
    exit 1
fi
status=0
geometry=$(xwininfo -id "$window")
where=$(awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
             /^ *Width/ {w = $NF} /^ *Height/ {h = $NF} END {print x "," y " " w "x" h}' <<<"$geometry")
[ "$where" = "154,113 737x573" ] || { echo "client area at $where, not 154,113 737x573"; status=1; }

# The window of Wine's X11 driver is the client area: its pixels, cut to the
# four two-way result labels.
results() { import -window "$window" -crop 177x145+344+48 +repage "$1" 2>/dev/null; }
# Waits, at most twenty seconds, until the labels match the reference.
shows_reference() {
    for _ in $(seq 200); do
        results "$work/after.png" &&
            [ "$(compare -metric AE "$folder/twoway-results.png" "$work/after.png" null: 2>&1 || true)" = 0 ] &&
            return 0
        sleep 0.1
    done
    return 1
}

# Mapped is not yet painted: wait, at most ten seconds, until the pictures
# show (many colours).
painted=false
for _ in $(seq 100); do
    colours=$(import -window "$window" -format %k info: 2>/dev/null || echo 0)
    [ "$colours" -gt 16 ] && { painted=true; break; }
    sleep 0.1
done
$painted || { echo "the window did not paint within ten seconds"; exit 1; }

type_worked_example "$window"
if ! shows_reference; then
    differing=$(compare -metric AE "$folder/twoway-results.png" "$work/after.png" null: 2>&1 || true)
    echo "the two-way captions differ from $folder/twoway-results.png in $differing pixels"
    cp "$work/after.png" "${TMPDIR:-/tmp}/dividra-twoway-results.png"
    echo "what the window showed: ${TMPDIR:-/tmp}/dividra-twoway-results.png"
    status=1
fi
[ -n "${DIVIDRA_SCREENSHOT:-}" ] && import -window "$window" "$DIVIDRA_SCREENSHOT"

# Every file name the program gave Windows, as the trace quotes it (its
# backslashes doubled), against the build machine's folders in Windows'
# spelling, on any drive.
builders=()
for builder in "$@" "${HOME:-}"; do
    [ "${#builder}" -gt 1 ] || continue
    builder=${builder//\//\\}
    builders+=("${builder,,}")
done
grep -ao 'L"[^"]*"' "$work/wine.log" | sed 's/^L"//; s/"$//; s/\\\\/\\/g' | sort -u >"$work/names"
grep -qiF "\\Program Files\\Dividra\\$name" "$work/names" \
    || { echo "Wine's trace names no file of the program's own: the check proves nothing"; exit 1; }
while IFS= read -r opened; do
    path=${opened//\//\\}
    path=${path,,}
    path=${path#'\??\'}
    path=${path#'\\?\'}
    [[ "$path" =~ ^[a-z]: ]] && path=${path:2}
    for builder in "${builders[@]}"; do
        if [ "$path" = "$builder" ] || [[ "$path" == "$builder\\"* ]]; then
            echo "the program asked for $opened, below the build machine's ${builder//\\//}"
            status=1
        fi
    done
done <"$work/names"
[ $status -eq 0 ] && echo "window at 154,113 with a 737x573 client area; the worked example shows its four captions;" \
    "of $(wc -l <"$work/names") file names asked for, none below the build machine's folders"
exit $status
