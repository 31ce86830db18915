#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# The artwork generator refuses a layout that does not fit: given only DejaVu
# Sans, which is wider than FreeSans, the help page's lines overflow, and it
# must say so and exit with status 1, having written nothing: not even the
# pictures it drew before the one that does not fit.
#   artwork_does_not_fit.sh GENERATOR
set -euo pipefail
generator=$1
dejavu=$(fc-match -f '%{file}' 'DejaVu Sans:style=Book')
case "$dejavu" in
    */DejaVuSans.ttf) ;;
    *) echo "DejaVu Sans is not installed (Debian: fonts-dejavu-core)"; exit 1 ;;
esac
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/fonts.conf" <<CONF
<fontconfig><dir>$(dirname "$dejavu")</dir><cachedir>$work/cache</cachedir></fontconfig>
CONF
status=0
FONTCONFIG_FILE="$work/fonts.conf" QT_QPA_PLATFORM=offscreen "$generator" "$work/out" 2>"$work/errors" || status=$?
if [ "$status" -ne 1 ] || ! grep -q "too wide\|taller" "$work/errors"; then
    cat "$work/errors"
    echo "with DejaVu Sans the generator exited with status $status, not 1 with its reason"
    exit 1
fi
if [ -e "$work/out" ]; then
    echo "the generator refused, but wrote first: $(cd "$work/out" && ls | tr '\n' ' ')"
    exit 1
fi
echo "refused, having written nothing: $(grep "too wide\\|taller" "$work/errors")"
