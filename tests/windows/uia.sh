#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# What a Windows screen reader gets from the window through UI Automation.
# Debian 13's Wine 10 (Debian 12's Wine 8 deadlocks when a client walks a
# window), in a copy of the minimal trixie root, runs the executable on a
# virtual X server outside the root, and our client (uia.cpp, built here
# with MinGW against Wine 10's UI Automation headers) walks the window's
# tree as Narrator, NVDA or JAWS do: the window's name; each field an Edit
# named by its caption, in order; each button a Button named by its
# caption; the pictures named Images; no field, button or picture without a
# name; and, once the two-way worked example is typed in (by xdotool) and
# calculated, its results as the result labels' texts. What Wine 10 does
# not answer (E_NOTIMPL) is said, and counted as nothing.
#   uia.sh EXE CLIENT_SOURCE MINGW_COMPILER
# Like the fresh roots it acts as root, so it runs only when asked
# (DIVIDRA_FRESH_ROOT=1, which the windows test preset sets). The root with
# Wine is kept beside the minimal one, and made again with it.
set -euo pipefail
exe=$1 client=$2 compiler=$3
source "$(dirname "$0")/../../scripts/setup"
asked_as_root "the UI Automation test" "$0" "$@"
work=$(mktemp -d)
cleanup() {
    remove_roots
    kill "${xvfb:-}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
inside() { chroot "$target" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

base=$(minimal_root trixie)
wine_tarball="$roots_cache/trixie-wine.tar"
if [ ! -f "$wine_tarball" ] || [ "$base" -nt "$wine_tarball" ]; then
    echo "Installing Debian 13's Wine into a copy of the minimal trixie root"
    root_copy "$base" trixie
    { inside apt-get update -q && inside env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends wine wine64 libwine-dev; } >"$work/apt.log" 2>&1 \
        || { tail -n 20 "$work/apt.log"; echo "Wine 10 did not install"; exit 1; }
    # Without what is mounted: those are every copy's own.
    tar -C "$target" --exclude=./proc --exclude=./dev/pts --exclude=./dev/shm --exclude=./tmp \
        --exclude=./var/cache/apt/archives -cf "$wine_tarball.new" . && mv "$wine_tarball.new" "$wine_tarball"
fi
root_copy "$wine_tarball" trixie
inside wine --version 2>/dev/null | grep -q '^wine-10\.' || { echo "the root's Wine is $(inside wine --version), not 10"; exit 1; }

mkdir -p "$work/include" "$target/root/w"
cp "$target"/usr/include/wine/wine/windows/uiautomation{client,core,coreapi}.h "$work/include/"
"$compiler" -std=c++17 -O1 -Wall -Wextra -municode -I"$work/include" "$client" -o "$target/root/w/uia.exe" \
    -static -lole32 -loleaut32 -luuid
cp "$exe" "$target/root/w/"
name=$(basename "$exe")

start_virtual_display
export DISPLAY=$display
wine_inside() { inside DISPLAY="$DISPLAY" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" "$@"; }
wine_inside wineboot -i >/dev/null 2>&1
wine_inside wine "/root/w/$name" >"$work/wine.log" 2>&1 &
window=$(timeout 90 xdotool search --sync --onlyvisible --name '^Dividra 12 db 8va$' | head -n 1) || true
[ -n "$window" ] || { cat "$work/wine.log"; echo "no window titled \"Dividra 12 db 8va\" appeared"; exit 1; }
# The tree, one element a line: type, name, focusable, help text, full description.
tree() { { wine_inside wine /root/w/uia.exe "Dividra 12 db 8va" 2>&1 || true; } | tr -d '\r'; }
tree >"$work/before"
status=0
fail() { echo "$*"; status=1; }
names() { awk -F'\t' -v type="$1" '$1 == type { print $2 }' "$2" | paste -sd '|'; }

grep -q "^Window	Dividra 12 db 8va	" "$work/before" ||
    { cat "$work/before"; echo "UI Automation finds no window named \"Dividra 12 db 8va\""; exit 1; }
fields="Impedenza Tweeter|Impedenza Woofer|Frequenza di taglio|Impedenza Tweeter|Impedenza Midrange|Impedenza Woofer|Frequenza Minima|Frequenza Massima"
[ "$(names Edit "$work/before")" = "$fields" ] || fail "the Edits are named: $(names Edit "$work/before"), not $fields"
buttons="Calcola|Cancella|Calcola|Cancella|Esci|Guida"
[ "$(names Button "$work/before")" = "$buttons" ] || fail "the Buttons are named: $(names Button "$work/before"), not $buttons"
images=$(names Image "$work/before")
[ "$(awk -F'|' '{ print NF }' <<<"$images")" = 3 ] || fail "the Images are: $images, not the two diagrams and the logo"
unnamed=$(awk -F'\t' '($1 == "Edit" || $1 == "Button" || $1 == "Image" || $3 == "focusable") && $2 == ""' "$work/before")
[ -z "$unnamed" ] || fail "without a name: $unnamed"

# The two-way worked example; the results are the result labels' texts.
type_worked_example "$window"
results='C1 = 4[.,]692192 µF\.|C2 = 4[.,]692192 µF\.|L1 = 0[.,]68 mH\.|L2 = 0[.,]68 mH\.'
shown=""
for _ in $(seq 40); do
    tree >"$work/after"
    shown=$(names Text "$work/after" | tr '|' '\n' | grep -E "^($results)$" | paste -sd '|' || true)
    [ "$(awk -F'|' '{ print NF }' <<<"$shown")" = 4 ] && break
    sleep 0.5
done
[ "$(awk -F'|' '{ print NF }' <<<"$shown")" = 4 ] ||
    fail "after the worked example the texts are: $(names Text "$work/after")"

# What Wine 10 does not answer, said and counted as nothing.
column=3
for property in IsKeyboardFocusable HelpText FullDescription; do
    answered=$(awk -F'\t' -v c=$column '$c !~ /^(E_NOTIMPL|E_NOINTERFACE|0x[0-9a-f]+)$/' "$work/before" | wc -l)
    [ "$answered" -gt 0 ] || echo "not answered by Wine 10, so not tested: $property"
    column=$((column + 1))
done
[ $status -eq 0 ] && echo "UI Automation under Wine 10: the window, 8 Edits and 6 Buttons named by their captions," \
    "3 named Images, none unnamed; the worked example's four results as texts: $shown"
exit $status
