#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows executable stands alone, says what it is and carries nothing
# of the machine that built it: a GUI-subsystem program no larger than its
# limit, importing only the DLLs of system-dlls.txt, which Windows itself
# ships (no Qt, no MinGW runtime), with no link time in its header; icon
# 30001 in every size Windows shows, its 32 x 32 image the committed
# 256-colour icon's; a manifest that runs it as the user who starts it, on
# Windows 10 and 11, per-monitor DPI-aware; the version record of VERSION;
# no path of the build machine (its home, the Qt it was built with, the
# source and build folders) among its strings, and no plugin loader.
#   executable.sh EXE OBJDUMP ICON LIMIT VERSION SHOWN_VERSION BUILD_FOLDER...
set -euo pipefail
exe=$1 objdump=$2 icon=$3 limit=$4 version=$5 shown_version=$6
shift 6
status=0
fail() { echo "$*"; status=1; }

size=$(stat -c %s "$exe")
[ "$size" -le "$limit" ] || fail "the executable is $size bytes, more than the $limit it may be"
headers=$("$objdump" -p "$exe")
grep -q "^Subsystem.*(Windows GUI)" <<<"$headers" || fail "not a GUI-subsystem program"
# The COFF header's TimeDateStamp, 8 bytes after the PE signature, read as
# the number it is (objdump prints it as local time).
pe=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
[ "$(od -An -c -j"$pe" -N4 "$exe" | tr -d ' ')" = 'PE\0\0' ] || fail "no PE signature at $pe"
stamp=$(od -An -tu4 -j$((pe + 8)) -N4 "$exe" | tr -d ' ')
[ "$stamp" = 0 ] || fail "the header carries a link time: $stamp"
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

# The manifest (resource 1 of type 24), by what Windows reads in it.
manifest=$(wrestool -x --raw --type=24 --name=1 "$exe" 2>/dev/null | tr -s ' \n' ' ' || true)
[ -n "$manifest" ] || fail "no application manifest (resource 1 of type 24)"
for expected in '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>' \
    '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>' \
    '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>' \
    '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>' \
    "version=\"$version\""; do
    grep -qF -- "$expected" <<<"$manifest" || fail "the manifest lacks $expected"
done

# The version record: its fixed part (after the signature FEEF04BD, the
# file version's minor, major, then tweak and patch numbers), then its
# strings, one per line, each key followed by its value, in US English.
wrestool -x --raw --type=16 -o "$folder/version" "$exe" 2>/dev/null || true
at=$(LC_ALL=C grep -obUaP '\xbd\x04\xef\xfe' "$folder/version" 2>/dev/null | head -n 1 | cut -d: -f1 || true)
if [ -n "$at" ]; then
    read -r minor major tweak patch < <(od -An -tu2 -j$((at + 8)) -N8 "$folder/version")
    [ "$major.$minor.$patch.$tweak" = "$version" ] || fail "the version record's file version is $major.$minor.$patch.$tweak, not $version"
else
    fail "the version record has no fixed part"
fi
strings=$(iconv -f UTF-16LE -t UTF-8 "$folder/version" 2>/dev/null | tr '\0' '\n' | grep -a . || true)
value() { awk -v key="$1" 'found { print; exit } $0 ~ key "$" { found = 1 }' <<<"$strings"; }
name=$(basename "$exe" .exe)
for pair in "FileVersion=$shown_version" "ProductVersion=$shown_version" "ProductName=Dividra" \
    "CompanyName=Dividra" "InternalName=$name" "OriginalFilename=$name.exe"; do
    [ "$(value "${pair%%=*}")" = "${pair#*=}" ] || fail "the version record lacks $pair"
done
grep -aq "040904B0$" <<<"$strings" || fail "the version record's strings are not US English, Unicode"

# Nothing of the builder, in 8-bit or 16-bit strings; no loader of plugin
# DLLs (QLibrary, QPluginLoader) and no prefix of Qt's own.
{ strings -a "$exe"; strings -a -el "$exe"; } >"$folder/strings"
for builder in "$@"; do
    [ -n "$builder" ] || continue
    grep -qF -- "$builder" "$folder/strings" &&
        fail "the executable carries the build machine's $builder: $(grep -F -- "$builder" "$folder/strings" | head -n 3 | tr '\n' ' ')"
done
for loader in QT_PLUGIN_PATH qt_plugin_instance .qtmetadata QT_DEBUG_PLUGINS; do
    grep -qF -- "$loader" "$folder/strings" && fail "the executable can load plugin DLLs: it carries $loader"
done
grep -q '^qt_prfxpath=.' "$folder/strings" && fail "Qt's prefix is built in: $(grep '^qt_prfxpath=' "$folder/strings")"
[ $status -eq 0 ] && echo "GUI program of $size bytes importing only system DLLs ($(echo $imports | tr ' ' ,)); icon 30001, manifest and version record $version present; nothing of the builder, no plugin loader"
exit $status
