#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows executable stands alone: a GUI-subsystem program that imports
# only DLLs that Windows itself provides (no Qt, no MinGW runtime), and
# carries icon 30001, the committed icon's image, and the version record.
#   executable.sh EXE OBJDUMP ICON
set -euo pipefail
exe=$1 objdump=$2 icon=$3
status=0
fail() { echo "$*"; status=1; }

headers=$("$objdump" -p "$exe")
grep -q "^Subsystem.*(Windows GUI)" <<<"$headers" || fail "not a GUI-subsystem program"
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
[ -n "$imports" ] || fail "objdump listed no imports: the check proves nothing"
# What Windows provides, Wine provides too, under the same names.
system=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
[ -d "$system" ] || system=/usr/lib/wine/x86_64-windows
for dll in $imports; do
    case "${dll,,}" in
        qt6* | lib*.dll) fail "imports $dll, which Windows does not provide" ;;
        api-ms-win-*) ;; # an API set, which Windows resolves to its own DLLs
        *) [ -e "$system/${dll,,}" ] || fail "imports $dll, which is not a system DLL" ;;
    esac
done

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
# The icon's image is the committed .ico without its 22-byte header.
wrestool -x --raw --type=3 -o "$folder/image" "$exe" 2>/dev/null || true
tail -c +23 "$icon" >"$folder/committed"
cmp -s "$folder/image" "$folder/committed" || fail "icon 30001 is missing or differs from $icon"
wrestool -l --type=14 "$exe" | grep -q -- "--name=30001" || fail "the icon is not resource 30001"
# The version record's strings, one per line: each key, then its value.
wrestool -x --raw --type=16 -o "$folder/version" "$exe" 2>/dev/null || true
version=$(iconv -f UTF-16LE -t UTF-8 "$folder/version" 2>/dev/null | tr '\0' '\n' | grep -a . || true)
value() { awk -v key="$1" 'found { print; exit } $0 ~ key "$" { found = 1 }' <<<"$version"; }
for pair in FileVersion=1.02 ProductVersion=1.02 ProductName=Dividra InternalName=Dividra1.2 \
    OriginalFilename=Dividra1.2.exe; do
    [ "$(value "${pair%%=*}")" = "${pair#*=}" ] || fail "the version record lacks $pair"
done
grep -aq "040904B0$" <<<"$version" || fail "the version record's strings are not US English, Unicode"
[ $status -eq 0 ] && echo "GUI program importing only system DLLs ($(echo $imports | tr ' ' ,)); icon 30001 and version record present"
exit $status
