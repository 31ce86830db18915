#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows executable stands alone and says what it is: a GUI-subsystem
# program of at most 10 MB importing only the DLLs of system-dlls.txt, which
# Windows itself ships (no Qt, no MinGW runtime), with no link time in its
# header, carrying icon 30001 in every size Windows shows, its 32 x 32 image
# the committed 256-colour icon's, the application manifest and the version
# record that the build wrote into its resource script.
#   executable.sh EXE OBJDUMP ICON RESOURCE_SCRIPT MANIFEST
set -euo pipefail
exe=$1 objdump=$2 icon=$3 script=$4 manifest=$5
status=0
fail() { echo "$*"; status=1; }

size=$(stat -c %s "$exe")
[ "$size" -le 10000000 ] || fail "the executable is $size bytes, more than the 10 MB it may be"
headers=$("$objdump" -p "$exe")
grep -q "^Subsystem.*(Windows GUI)" <<<"$headers" || fail "not a GUI-subsystem program"
grep -q "^Time/Date.*1970" <<<"$headers" || fail "the header carries a link time: $(grep '^Time/Date' <<<"$headers")"
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
[ -n "$imports" ] || fail "objdump listed no imports: the check proves nothing"
allowed=$(grep -v '^#' "$(dirname "$0")/system-dlls.txt" | awk '{ print $1 }')
for dll in $imports; do
    grep -qxF "${dll,,}" <<<"$allowed" || fail "imports $dll, which is not among the DLLs every Windows ships"
done

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
wrestool -x --type=14 --name=30001 -o "$folder/group.ico" "$exe" 2>/dev/null || true
sizes=$(icotool -l "$folder/group.ico" 2>/dev/null | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n | tr '\n' ' ')
[ "$sizes" = "16 20 24 32 40 48 64 256 " ] || fail "icon 30001 holds the sizes ${sizes:-none}, not 16 20 24 32 40 48 64 256"
icotool -l "$folder/group.ico" 2>/dev/null | grep -q -- "--width=32 --height=32 --bit-depth=8 --palette-size=256" \
    || fail "icon 30001's 32 x 32 image has not 256 colours"
# The 32 x 32 image is the committed .ico's, without its 22-byte header.
tail -c +23 "$icon" >"$folder/committed"
found=false
for name in $(wrestool -l --type=3 "$exe" | sed -n 's/.*--name=\([0-9]*\).*/\1/p'); do
    wrestool -x --raw --type=3 --name="$name" "$exe" 2>/dev/null | cmp -s - "$folder/committed" && found=true
done
$found || fail "no image of icon 30001 is the one in $icon"
wrestool -l --type=24 "$exe" | grep -q -- "--name=1 " || fail "no application manifest (resource 1 of type 24)"
wrestool -x --raw --type=24 --name=1 "$exe" 2>/dev/null | cmp -s - "$manifest" || fail "the manifest differs from $manifest"
# The version record's strings, one per line: each key, then its value,
# against the values the resource script spells.
wrestool -x --raw --type=16 -o "$folder/version" "$exe" 2>/dev/null || true
version=$(iconv -f UTF-16LE -t UTF-8 "$folder/version" 2>/dev/null | tr '\0' '\n' | grep -a . || true)
value() { awk -v key="$1" 'found { print; exit } $0 ~ key "$" { found = 1 }' <<<"$version"; }
pairs=$(sed -n 's/^\s*VALUE "\([A-Za-z]*\)",\s*"\(.*\)\\0"$/\1=\2/p' "$script")
[ -n "$pairs" ] || fail "no version strings in $script: the check proves nothing"
while IFS= read -r pair; do
    [ "$(value "${pair%%=*}")" = "${pair#*=}" ] || fail "the version record lacks $pair"
done <<<"$pairs"
grep -aq "040904B0$" <<<"$version" || fail "the version record's strings are not US English, Unicode"
[ $status -eq 0 ] && echo "GUI program of $size bytes importing only system DLLs ($(echo $imports | tr ' ' ,)); icon 30001, manifest and version record present"
exit $status
