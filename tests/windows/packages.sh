#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# The portable .zip holds the program, the licence and the note in one
# folder. The installer, run silently under Wine as an administrator would,
# puts the same three files into Program Files and adds the Start-menu
# shortcut "Dividra" and the uninstaller's entry in "Apps and features"; the
# uninstaller, run silently, takes them all away again. A Wine prefix of its
# own keeps every run alike.
#   packages.sh ZIP INSTALLER
set -euo pipefail
zip=$1 installer=$2
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wineboot -i >/dev/null 2>&1

folder="$WINEPREFIX/drive_c/Program Files/Dividra"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Dividra.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Dividra'
status=0
fail() { echo "$*"; status=1; }

listed=$(unzip -Z1 "$zip" | grep -v '/$' | sort | tr '\n' ' ')
[ "$listed" = "Dividra-1.02-win64/Dividra1.2.exe Dividra-1.02-win64/LEGGIMI.txt Dividra-1.02-win64/LICENSE " ] ||
    fail "the .zip holds: $listed"

wine "$installer" /S
wineserver -w
for file in Dividra1.2.exe LICENSE LEGGIMI.txt Uninstall.exe; do
    [ -f "$folder/$file" ] || fail "not installed: $folder/$file"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for expected in "DisplayName.*Dividra" "DisplayVersion.*1\.02" "GPL-3\.0-or-later" "UninstallString.*Uninstall\.exe"; do
    grep -q "$expected" <<<"$entry" || fail "the uninstall entry lacks $expected"
done

# The uninstaller runs on from a copy of itself and returns at once: wait
# for every Wine process of the prefix to end.
wine "$folder/Uninstall.exe" /S
wineserver -w
for file in Dividra1.2.exe LICENSE LEGGIMI.txt Uninstall.exe; do
    [ ! -e "$folder/$file" ] || fail "left behind: $folder/$file"
done
[ ! -e "$shortcut" ] || fail "left behind: the Start-menu shortcut"
! wine reg query "$key" >/dev/null 2>&1 || fail "left behind: the uninstall entry"
[ ! -e "$folder" ] || fail "left behind: $folder"
[ $status -eq 0 ] && echo "the .zip holds the three files; installed into Program Files with its shortcut and uninstall entry; uninstalled without a trace"
exit $status
