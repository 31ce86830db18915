#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's first command on a machine that has nothing: a minimal Debian
# root (debootstrap --variant=minbase) of the given release, the committed
# sources cloned into it, and scripts/run there without a display, which must
# install what it needs, build and save a screenshot of the window. Then the
# Debian package built here is installed into the same root with apt-get and
# its program must open its window too. Both screenshots are kept beside the
# package, as fresh-root-RELEASE-run.png and fresh-root-RELEASE-package.png.
#   fresh-root.sh RELEASE SOURCE_DIR PACKAGE   (RELEASE: bookworm, trixie)
# The root is made once and kept in ~/.cache/dividra/roots (a week at most),
# with the packages apt downloads into it; every run starts from a new copy.
set -euo pipefail
release=$1 source=$2 package=$3
name="fresh_root_$release"
if [ "$(id -u)" -ne 0 ]; then
    # debootstrap and chroot need root: through sudo where it asks nothing.
    sudo -n true 2>/dev/null && exec sudo -n "$0" "$@"
    echo "skipped: $name needs root (debootstrap, chroot)"
    exit 77
fi
[ -f "$package" ] || { echo "no package at $package: cpack builds it first"; exit 1; }

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
        || { tail -n 20 "$made.log"; rm -rf "$made" "$made.log"; exit 1; }
    rm -rf "$made/var/cache/apt/archives/"*.deb
    tar -C "$made" -cf "$tarball.new" . && mv "$tarball.new" "$tarball"
    rm -rf "$made" "$made.log"
fi

target=$(mktemp -d /var/tmp/dividra-root.XXXXXX)
mounts=()
cleanup() {
    # Whatever still runs inside the root ends before it is taken away.
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
        [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$target" ] && kill -9 "$pid" 2>/dev/null
    done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount -l "${mounts[i]}" 2>/dev/null || true; done
    rm -rf "$target"
}
trap cleanup EXIT
tar -C "$target" -xf "$tarball"
mount_in() { mkdir -p "$target$2"; mount "${@:3}" "$1" "$target$2"; mounts+=("$target$2"); }
mount_in proc /proc -t proc
# The root has its own device nodes; only its terminals and shared memory
# are mounted anew.
mount_in devpts /dev/pts -t devpts -o newinstance,ptmxmode=0666
mount_in tmpfs /dev/shm -t tmpfs
mount_in tmpfs /tmp -t tmpfs
mount_in "$cache/$release-apt" /var/cache/apt/archives --bind
cp /etc/resolv.conf "$target/etc/resolv.conf"
git clone --quiet "$source" "$target/root/dividra"
cp "$package" "$target/root/"

inside() { chroot "$target" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
# Fails with the end of the log, and keeps the root's screenshot checked:
# a window that painted shows many colours, a bare screen one.
check() {
    local what=$1 log=$2 screenshot=$3 kept=$4 colours
    cp "$target$screenshot" "$(dirname "$package")/fresh-root-$release-$kept.png" 2>/dev/null || true
    colours=$(identify -format %k "$target$screenshot" 2>/dev/null || echo 0)
    if [ "$colours" -le 16 ]; then
        tail -n 30 "$log"
        echo "$name: $what: no window in the screenshot ($colours colours)"
        exit 1
    fi
}

log=$(mktemp)
start=$(date +%s)
inside bash -c 'cd /root/dividra && scripts/run' >"$log" 2>&1 \
    || { tail -n 30 "$log"; echo "$name: scripts/run failed"; exit 1; }
grep -q "screenshot saved to /root/dividra/build/screenshot.png" "$log" \
    || { tail -n 30 "$log"; echo "$name: scripts/run did not say where its screenshot is"; exit 1; }
check "scripts/run" "$log" /root/dividra/build/screenshot.png run
ran=$(($(date +%s) - start))

inside bash -c 'DEBIAN_FRONTEND=noninteractive apt-get install -y -q /root/'"$(basename "$package")"' &&
    source /root/dividra/scripts/setup && screenshot_window /usr/bin/Dividra1.2 /root/package.png' >"$log" 2>&1 \
    || { tail -n 30 "$log"; echo "$name: the package did not install or its window did not open"; exit 1; }
check "the installed package" "$log" /root/package.png package
rm -f "$log"
echo "$name: scripts/run built and showed the window in ${ran} s; $(basename "$package") installed and showed it too"
