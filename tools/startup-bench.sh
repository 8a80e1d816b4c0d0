#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the window against a bare Qt main window (menu, tree, text pane, status bar):
# launches each in turn under Xvfb and times, from outside, the launch to the first mapped
# window, and the processor time the program had used by then (which a busy machine disturbs
# less); prints the medians of both and their ratios. Not part of the test run.
# Usage: tools/startup-bench.sh [launches] [another window binary to time beside them]
# As root it installs what it needs (xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
other=${2:-}

if ! command -v Xvfb >/dev/null; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "startup-bench.sh: install xvfb first" >&2
        exit 1
    fi
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends xvfb
fi

cmake --preset default >/dev/null
cmake --build --preset default --parallel "$(nproc)" --target faultwise bare_window map_wait >/dev/null

work=$(mktemp -d -t faultwise-bench.XXXXXX)
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to the pipe; -noreset keeps it from
# restarting between two launches.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -noreset -screen 0 1366x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
read -r -t 10 -u "$displayfd" number
export DISPLAY=":$number"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"

programs=(build/bench/bare_window build/faultwise)
[ -n "$other" ] && programs+=("$other")

# One launch of each first, so that every timed launch finds the files in the page cache; then
# the programs take turns, so that a busy moment of the machine falls on all of them alike.
for program in "${programs[@]}"; do build/bench/map_wait "$program" >/dev/null; done
for ((run = 0; run < runs; ++run)); do
    for i in "${!programs[@]}"; do
        build/bench/map_wait "${programs[$i]}" >>"$work/times.$i"
    done
done

# The median of column $2 of file $1.
median() {
    awk -v c="$2" '{ print $c }' "$1" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
echo "launch to first mapped window, median of $runs launches each (ratio to the bare window):"
printf '  %-36s %18s %24s\n' program "wall clock" "processor time"
for i in "${!programs[@]}"; do
    wall=$(median "$work/times.$i" 1)
    cpu=$(median "$work/times.$i" 2)
    printf '  %-36s %7.1f ms (%.2f x) %11.1f ms (%.2f x)\n' "${programs[$i]}" \
        "$wall" "$(awk -v a="$wall" -v b="$(median "$work/times.0" 1)" 'BEGIN { print a / b }')" \
        "$cpu" "$(awk -v a="$cpu" -v b="$(median "$work/times.0" 2)" 'BEGIN { print a / b }')"
done
