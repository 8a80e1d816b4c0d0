#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a window test on a real X server: a private Xvfb on a free display, gone afterwards.
# Exits 77 (skipped) where Xvfb is not installed.
set -euo pipefail
command -v Xvfb >/dev/null || { echo "under-xvfb.sh: Xvfb is not installed" >&2; exit 77; }
log=$(mktemp)
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -noreset -screen 0 1366x768x24 -nolisten tcp >"$log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -f "$log"' EXIT
read -r -t 10 -u "$displayfd" number || { cat "$log" >&2; exit 1; }
DISPLAY=":$number" QT_QPA_PLATFORM=xcb "$@"
