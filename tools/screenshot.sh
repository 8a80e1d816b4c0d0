#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/screenshot.png: the window under Xvfb with the hondaSPC sample opened, its leaf
# picked in the tree and the check run, all through the window's own menus and keys.
# Not part of the test run. As root it installs what it needs (xvfb, xdotool, imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."

tools=(xvfb xdotool imagemagick fonts-dejavu-core)
missing=()
for package in "${tools[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "screenshot.sh: install ${missing[*]} first" >&2
        exit 1
    fi
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake --preset default >/dev/null
cmake --build --preset default --parallel "$(nproc)" --target faultwise

work=$(mktemp -d -t faultwise.XXXXXX)
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
read -r -t 10 -u "$displayfd" number
export DISPLAY=":$number"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

build/faultwise >"$work/faultwise.log" 2>&1 &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --name '^Faultwise by ' | head -1)
xdotool windowmove "$window" 0 0
sleep 1

# Without a window manager nothing moves the keyboard focus: each window is focused by hand.
# File > Open: the dialog's name field has the focus.
# A copy, so that the status line shows a short path rather than the work tree's.
mkdir "$work/samples"
cp samples/19_hondaSPC.bin "$work/samples/"
sample="$work/samples/19_hondaSPC.bin"
xdotool windowfocus --sync "$window"
xdotool key ctrl+o
dialog=
for _ in $(seq 50); do
    dialog=$(xdotool search --onlyvisible --class faultwise | grep -vx "$window" | head -1 || true)
    [ -n "$dialog" ] && break
    sleep 0.1
done
[ -n "$dialog" ] || { echo "screenshot.sh: no open dialog" >&2; exit 1; }
sleep 0.5
xdotool windowfocus --sync "$dialog"
xdotool key ctrl+a
xdotool type --delay 20 "$sample"
xdotool key Return
sleep 1

# The tree: find the make by typing its name, open it, go down to the leaf, then Check.
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" 100 400 click 1
xdotool type --delay 80 Honda
xdotool key Right
for _ in 1 2 3 4 5 6; do xdotool key Down; done
sleep 0.5
xdotool key ctrl+d
sleep 1

mkdir -p docs
import -window "$window" docs/screenshot.png
echo "screenshot.sh: wrote docs/screenshot.png"
