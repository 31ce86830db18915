#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dividra
# SPDX-License-Identifier: GPL-3.0-or-later
# On a Wayland desktop the window is a native Wayland client, drawn at the
# screen's density. A headless Weston at scale 2 stands in for the desktop;
# the window must open there with the platform "wayland", be titled, draw
# at scale 2 and paint. The protocol log (WAYLAND_DEBUG) shows it.
set -euo pipefail
probe=$1
runtime=$(mktemp -d) # Weston wants a private runtime folder
trap 'kill "${weston:-}" 2>/dev/null || true; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
weston --backend=headless-backend.so --socket=wayland-dividra --idle-time=0 --scale=2 \
    >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
    [ -S "$runtime/wayland-dividra" ] && break
    kill -0 "$weston" 2>/dev/null || { cat "$runtime/weston.log"; echo "Weston did not start"; exit 1; }
    sleep 0.1
done
# Wayland client libraries keep a few allocations to the end.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
log=$runtime/protocol.log
if ! WAYLAND_DISPLAY=wayland-dividra QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
    timeout 60 "$probe" >"$log" 2>&1; then
    tail -20 "$log"
    echo "the window did not open and paint as a Wayland client"
    exit 1
fi
status=0
for expected in 'xdg_toplevel@[0-9]*\.set_title("Dividra 12 db 8va")' \
    'set_app_id("it.dividra.Dividra")' 'set_buffer_scale(2)' 'wl_surface@[0-9]*\.attach(wl_buffer'; do
    grep -q "$expected" "$log" || { echo "missing from the protocol: $expected"; status=1; }
done
[ $status -eq 0 ] && echo "the window opened as a native Wayland client at scale 2"
exit $status
