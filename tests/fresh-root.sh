#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's first command on a machine that has nothing: a minimal Debian
# root (debootstrap --variant=minbase) of the given release, the committed
# sources cloned into it, and scripts/run there without a display, which must
# install what it needs, build and save a screenshot of the window. Then the
# Debian package built here is installed with apt-get into another copy of
# the minimal root, which so holds only what the package's Depends bring,
# and its program, shown on a virtual X server outside the root, must show
# the window as the build from source does: the same pixels, its captions
# legible. Both screenshots are kept beside the package, as
# fresh-root-RELEASE-run.png and fresh-root-RELEASE-package.png.
#   fresh-root.sh RELEASE SOURCE_DIR PACKAGE EXECUTABLE   (RELEASE: bookworm, trixie)
# It acts as root, so it runs only when asked (DIVIDRA_FRESH_ROOT=1, which
# ctest --preset fresh-root sets). The minimal root is made once and kept in
# ~/.cache/dividra/roots (a week at most), with the packages apt downloads
# into it; every run starts from new copies.
set -euo pipefail
release=$1 source=$2 package=$3 executable=$4
name="fresh_root_$release"
if [ "${DIVIDRA_FRESH_ROOT:-}" != 1 ]; then
    echo "not run: $name makes Debian roots as root; ctest --preset fresh-root asks for it"
    exit 77
fi
if [ "$(id -u)" -ne 0 ]; then
    # debootstrap and chroot need root: through sudo where it asks nothing.
    sudo -n true 2>/dev/null && exec sudo -n env DIVIDRA_FRESH_ROOT=1 "$0" "$@"
    echo "skipped: $name needs root (debootstrap, chroot)"
    exit 77
fi
[ -f "$package" ] || { echo "no package at $package: cpack builds it first"; exit 1; }
# start_virtual_display and screenshot_window.
source "$source/scripts/setup"

cache="${XDG_CACHE_HOME:-$HOME/.cache}/dividra/roots"
mkdir -p "$cache/$release-apt"
tarball="$cache/$release.tar"
if [ ! -f "$tarball" ] || [ -n "$(find "$tarball" -mtime +7)" ]; then
    # The mirror that apt already uses, in either way of naming it.
    mirror=$(sed -n 's/^URIs:\s*\(\S*\/debian\/\?\)$/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1)
    [ -n "$mirror" ] || mirror=$(awk '$1 == "deb" && $2 ~ /\/debian\/?$/ { print $2; exit }' /etc/apt/sources.list)
    echo "Making a minimal $release root from $mirror"
    made=$(mktemp -d /var/tmp/dividra-debootstrap.XXXXXX)
    debootstrap --variant=minbase "$release" "$made" "$mirror" >"$made.log" 2>&1 \
        || { tail -n 20 "$made.log"; rm -rf --one-file-system "$made" "$made.log"; exit 1; }
    rm -rf "$made/var/cache/apt/archives/"*.deb
    tar -C "$made" -cf "$tarball.new" . && mv "$tarball.new" "$tarball"
    rm -rf --one-file-system "$made" "$made.log"
fi

roots=() mounts=()
cleanup() {
    local target pid i
    # Whatever still runs inside a root ends before it is taken away.
    for target in "${roots[@]}"; do
        for pid in $(ls /proc | grep -E '^[0-9]+$'); do
            [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$target" ] && kill -9 "$pid" 2>/dev/null
        done
    done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" 2>/dev/null || true
    done
    # Never deleted while anything below is mounted: rm would reach into it.
    for target in "${roots[@]}"; do
        if awk -v root="$target" 'index($5, root "/") == 1' /proc/self/mountinfo | grep -q .; then
            echo "$target still has mounts below it: left in place"
        else
            rm -rf --one-file-system "$target"
        fi
    done
}
trap cleanup EXIT

# A new copy of the minimal root, ready to chroot into; sets $target.
new_root() {
    target=$(mktemp -d /var/tmp/dividra-root.XXXXXX)
    roots+=("$target")
    tar -C "$target" -xf "$tarball"
    mount_in proc /proc -t proc
    # The root has its own device nodes; only its terminals and shared
    # memory are mounted anew.
    mount_in devpts /dev/pts -t devpts -o newinstance,ptmxmode=0666
    mount_in tmpfs /dev/shm -t tmpfs
    mount_in tmpfs /tmp -t tmpfs
    mount_in "$cache/$release-apt" /var/cache/apt/archives --bind
    cp /etc/resolv.conf "$target/etc/resolv.conf"
}
mount_in() { mkdir -p "$target$2"; mount "${@:3}" "$1" "$target$2"; mounts+=("$target$2"); }
inside() { chroot "$target" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

# The window's captions, read back from a screenshot: "Frequenza Massima",
# the widest, fits its label only in the narrow stand-in face.
legible() {
    local text caption
    text=$(tesseract "$1" - 2>/dev/null | tr '\n' ' ')
    for caption in "Impedenza Tweeter" "Frequenza Minima" "Frequenza Massima"; do
        grep -qF "$caption" <<<"$text" && continue
        echo "$name: $2: the window does not show \"$caption\"; it reads: $text"
        return 1
    done
}

log=$(mktemp)
shots=$(dirname "$package")
start=$(date +%s)
new_root
git clone --quiet "$source" "$target/root/dividra"
inside bash -c 'cd /root/dividra && scripts/run' >"$log" 2>&1 \
    || { tail -n 30 "$log"; echo "$name: scripts/run failed"; exit 1; }
grep -q "screenshot saved to /root/dividra/build/screenshot.png" "$log" \
    || { tail -n 30 "$log"; echo "$name: scripts/run did not say where its screenshot is"; exit 1; }
cp "$target/root/dividra/build/screenshot.png" "$shots/fresh-root-$release-run.png"
legible "$shots/fresh-root-$release-run.png" "scripts/run"
ran=$(($(date +%s) - start))

new_root
cp "$package" "$target/root/"
inside bash -c "DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends /root/${package##*/}" \
    >"$log" 2>&1 || { tail -n 30 "$log"; echo "$name: the package did not install"; exit 1; }
# The program inside the root, on the X server outside it (reached through
# its abstract socket).
packaged() {
    chroot "$target" /usr/bin/env -i HOME=/root PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY" \
        QT_QPA_PLATFORM=xcb "/usr/bin/$executable"
}
screenshot_window packaged "$shots/fresh-root-$release-package.png" >"$log" 2>&1 \
    || { tail -n 30 "$log"; echo "$name: the installed package's window did not show"; exit 1; }
legible "$shots/fresh-root-$release-package.png" "the installed package"
differing=$(compare -metric AE "$shots/fresh-root-$release-run.png" "$shots/fresh-root-$release-package.png" null: 2>&1 || true)
[ "$differing" = 0 ] || {
    echo "$name: the installed package's window differs from the source build's in $differing pixels"
    exit 1
}
rm -f "$log"
echo "$name: scripts/run built and showed the window in ${ran} s; ${package##*/} installed with only its Depends and showed it alike"
