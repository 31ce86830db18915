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
# start_virtual_display, screenshot_window and the roots.
source "$source/scripts/setup"
asked_as_root "$name" "$0" "$@"
[ -f "$package" ] || { echo "no package at $package: cpack builds it first"; exit 1; }

tarball=$(minimal_root "$release")
trap remove_roots EXIT
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
root_copy "$tarball" "$release"
git clone --quiet "$source" "$target/root/dividra"
inside bash -c 'cd /root/dividra && scripts/run' >"$log" 2>&1 \
    || { tail -n 30 "$log"; echo "$name: scripts/run failed"; exit 1; }
grep -q "screenshot saved to /root/dividra/build/screenshot.png" "$log" \
    || { tail -n 30 "$log"; echo "$name: scripts/run did not say where its screenshot is"; exit 1; }
cp "$target/root/dividra/build/screenshot.png" "$shots/fresh-root-$release-run.png"
legible "$shots/fresh-root-$release-run.png" "scripts/run"
ran=$(($(date +%s) - start))

root_copy "$tarball" "$release"
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
