#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows executable stands alone and says what it is: a GUI-subsystem
# program importing only the DLLs of system-dlls.txt, which Windows itself
# ships (no Qt, no MinGW runtime), with no link time in its header, carrying
# icon 30001 with the committed icon's image, the application manifest and
# the version record that the build wrote into its resource script.
#   executable.sh EXE OBJDUMP ICON RESOURCE_SCRIPT MANIFEST
set -euo pipefail
exe=$1 objdump=$2 icon=$3 script=$4 manifest=$5
status=0
fail() { echo "$*"; status=1; }

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
# The icon's image is the committed .ico without its 22-byte header.
wrestool -x --raw --type=3 -o "$folder/image" "$exe" 2>/dev/null || true
tail -c +23 "$icon" >"$folder/committed"
cmp -s "$folder/image" "$folder/committed" || fail "icon 30001 is missing or differs from $icon"
wrestool -l --type=14 "$exe" | grep -q -- "--name=30001" || fail "the icon is not resource 30001"
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
[ $status -eq 0 ] && echo "GUI program importing only system DLLs ($(echo $imports | tr ' ' ,)); icon 30001, manifest and version record present"
exit $status
