#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window as an X11 desktop sees it (under Xvfb): its class matches the desktop entry's
# StartupWMClass, and it carries its own icon (_NET_WM_ICON) from 16 px up to 128 px, the
# largest that Qt hands to X11.
# Usage: WindowIdentityTest.sh <faultwise> <desktop entry>
set -euo pipefail
window_program=$1 entry=$2
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to the pipe.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 800x600x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 20 -u "$displayfd" number
export DISPLAY=":$number"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

"$window_program" >"$work/faultwise.log" 2>&1 &
pids+=($!)
title='Faultwise by https://faultwise.example'
for _ in $(seq 300); do # up to 30 s: sanitized builds start slowly
    xprop -name "$title" WM_CLASS >"$work/class" 2>/dev/null && break
    sleep 0.1
done
[ -s "$work/class" ] || { echo "FAIL: no window titled $title"; cat "$work/faultwise.log"; exit 1; }

failures=0
wm_class=$(sed -n 's/^WM_CLASS(STRING) = //p' "$work/class")
startup_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$startup_class" ] || { echo "FAIL: $entry has no StartupWMClass"; failures=$((failures + 1)); }
# WM_CLASS holds the instance name, then the class name that StartupWMClass names.
if [ "$wm_class" != "\"faultwise\", \"$startup_class\"" ]; then
    echo "FAIL: WM_CLASS is $wm_class, the desktop entry expects class \"$startup_class\""
    failures=$((failures + 1))
fi
xprop -name "$title" _NET_WM_ICON >"$work/icon"
for size in 16 22 24 32 48 64 128; do
    grep -q "Icon ($size x $size)" "$work/icon" || {
        echo "FAIL: _NET_WM_ICON lacks the $size px icon"
        failures=$((failures + 1))
    }
done
[ $failures -eq 0 ] || exit 1
echo "WM_CLASS $wm_class matches StartupWMClass; _NET_WM_ICON holds 16 to 128 px"
