#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# faultwise-cli.exe under wine prints, for every sample dump, the very bytes that the Linux
# faultwise-cli prints (same "\n" line ends, same UTF-8), and exits with the same status.
# Usage: SampleReportsTest.sh <emulator, ';'-separated> <faultwise-cli.exe> <Linux faultwise-cli>
#        <samples folder>
set -uo pipefail
IFS=';' read -r -a emulator <<<"$1"
exe=$2 linux_cli=$3 samples=$4
[ -x "$linux_cli" ] || { echo "FAIL: no Linux faultwise-cli at '$linux_cli' (build the default preset)"; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

compared=0 failures=0
for dump in "$samples"/*.bin; do
    name=$(basename "$dump" .bin)
    type=$((10#${name%%_*}))
    "$linux_cli" "$type" "$dump" >"$out/linux" 2>&1
    linux_status=$?
    "${emulator[@]}" "$exe" "$type" "$dump" >"$out/windows" 2>&1
    windows_status=$?
    if ! cmp -s "$out/linux" "$out/windows" || [ $linux_status -ne $windows_status ]; then
        echo "FAIL: $name: exit $windows_status under wine, $linux_status on Linux"
        echo "under wine it printed:"
        head -c 400 "$out/windows" | cat -v | sed 's/^/    /'
        diff <(od -c "$out/linux") <(od -c "$out/windows") | head -10
        failures=$((failures + 1))
    fi
    compared=$((compared + 1))
done
[ $compared -gt 0 ] || { echo "FAIL: no samples in $samples"; exit 1; }
echo "$compared sample reports compared, $failures differ"
[ $failures -eq 0 ]
