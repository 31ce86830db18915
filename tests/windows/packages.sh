#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# The portable .zip holds the program, the licence and the note in one
# folder, the text files with Windows' line ends. The installer describes
# itself (version record, DPI-aware manifest); run silently under Wine as an
# administrator would, it puts the same three files into Program Files and
# adds the Start-menu shortcut "Dividra" and the uninstaller's entry in
# "Apps and features", with everything that list shows; run a second time,
# it leaves one entry and one set of files; the uninstaller, run silently,
# takes them all away again. The installer is no larger than its limit, and
# its finish page starts the program through the shell, as the signed-in
# user, never with the installer's administrator token. A Wine prefix of its
# own keeps every run alike.
#   packages.sh ZIP INSTALLER SCRIPT EXECUTABLE SHOWN_VERSION INSTALLER_LIMIT
# (SCRIPT: the NSIS script CPack configured and the installer was made from)
set -euo pipefail
zip=$1 installer=$2 script=$3 executable=$4 shown_version=$5 limit=$6
source "$(dirname "$0")/../../scripts/setup"
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
wine_prefix "$work/prefix"

folder="$WINEPREFIX/drive_c/Program Files/Dividra"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Dividra.lnk"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
key="$uninstall\\Dividra"
status=0
fail() { echo "$*"; status=1; }
name=$(basename "$zip" .zip)
files="$executable.exe LEGGIMI.txt LICENSE.txt"

size=$(stat -c %s "$installer")
[ "$size" -le "$limit" ] || fail "the installer is $size bytes, more than the $limit it may be"
# The script the installer was compiled from: its finish page starts the
# program through explorer.exe, and nothing starts it directly.
grep -qE '^!define MUI_FINISHPAGE_RUN\s+"' "$script" &&
    fail "the finish page starts the program itself, with the installer's administrator token"
runs=$(grep -E '^\s*Exec' "$script" | grep -F "$executable.exe" || true)
[ -n "$runs" ] || fail "the installer's script starts the program nowhere: its finish page should"
while IFS= read -r line; do
    [ -z "$line" ] || grep -qF '$WINDIR\explorer.exe' <<<"$line" ||
        fail "the installer starts the program with its own rights: $line"
done <<<"$runs"

listed=$(unzip -Z1 "$zip" | grep -v '/$' | sort | tr '\n' ' ')
[ "$listed" = "$(for f in $files; do printf '%s/%s ' "$name" "$f"; done)" ] || fail "the .zip holds: $listed"
for text in LEGGIMI.txt LICENSE.txt; do
    unzip -p "$zip" "$name/$text" | head -n 3 | grep -q $'\r$' || fail "$text has no Windows line ends"
done

# The installer's version record (its keys, each after its length, then the
# values) and manifest.
version=$(wrestool -x --raw --type=16 "$installer" 2>/dev/null | iconv -f UTF-16LE -t UTF-8 2>/dev/null | tr '\0' '\n' || true)
for field in ProductName ProductVersion FileDescription CompanyName LegalCopyright; do
    grep -aq "$field\$" <<<"$version" || fail "the installer's version record lacks $field"
done
for value in "Dividra" "$shown_version" "Installazione di Dividra $shown_version" "© 2026 Dividra. GPL-3.0-or-later"; do
    grep -aqxF "$value" <<<"$version" || fail "the installer's version record lacks the value $value"
done
wrestool -x --raw --type=24 "$installer" 2>/dev/null | grep -aq "<dpiAware[^>]*>true</dpiAware>" \
    || fail "the installer does not declare itself DPI-aware"

installed_files() { (cd "$folder" 2>/dev/null && ls | sort | tr '\n' ' '); }
for round in first second; do
    wine "$installer" /S
    wineserver -w
    [ "$(installed_files)" = "$files Uninstall.exe " ] ||
        fail "after the $round installation Program Files\\Dividra holds: $(installed_files)"
    entries=$(wine reg query "$uninstall" 2>/dev/null | tr -d '\r' | grep -ci 'dividra' || true)
    [ "$entries" = 1 ] || fail "after the $round installation there are $entries uninstall entries"
done
cmp -s "$folder/LEGGIMI.txt" <(unzip -p "$zip" "$name/LEGGIMI.txt") || fail "the installed LEGGIMI.txt differs from the portable one"
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for expected in "DisplayName.*Dividra" "DisplayVersion.*${shown_version//./\\.}" "Publisher.*Dividra" \
    "DisplayIcon.*${executable//./\\.}\.exe" \
    "EstimatedSize.*REG_DWORD.*0x[1-9a-f]" "NoModify.*0x1" "NoRepair.*0x1" "GPL-3\.0-or-later" \
    "UninstallString.*Uninstall\.exe"; do
    grep -q "$expected" <<<"$entry" || fail "the uninstall entry lacks $expected"
done

# The uninstaller runs on from a copy of itself and returns at once: wait
# for every Wine process of the prefix to end.
wine "$folder/Uninstall.exe" /S
wineserver -w
[ ! -e "$folder" ] || fail "left behind: $folder holds $(installed_files)"
[ ! -e "$shortcut" ] || fail "left behind: the Start-menu shortcut"
! wine reg query "$key" >/dev/null 2>&1 || fail "left behind: the uninstall entry"
[ $status -eq 0 ] && echo "the .zip holds the three files; the installer ($size bytes) starts the program as the user, describes itself, installs into Program Files with its shortcut and full uninstall entry, twice over with one entry; uninstalled without a trace"
exit $status
