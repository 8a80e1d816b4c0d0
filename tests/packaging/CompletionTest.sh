#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of faultwise-cli: options, type ids and part numbers (quoted), files.
# Usage: CompletionTest.sh <completion script> <faultwise-cli>
set -uo pipefail
export LC_ALL=C.UTF-8
source "$1"
cli=$2
failures=0
checks=0

# Completes the words given (the last one being the word under the cursor).
complete_words() {
    COMP_WORDS=("$cli" "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _faultwise_cli 2>/dev/null
    printf '%s\n' "${COMPREPLY[@]}" | sort
}

expect() {
    local expected=$1
    shift
    local actual
    checks=$((checks + 1))
    actual=$(complete_words "$@")
    if [ "$actual" != "$expected" ]; then
        echo "FAIL: completing '$*'"
        echo "  expected: $(echo "$expected" | tr '\n' '|')"
        echo "  actual:   $(echo "$actual" | tr '\n' '|')"
        failures=$((failures + 1))
    fi
}

expect '--compare' --c
expect $'--compare\n--explain\n--guess\n--help\n--identify\n--info\n--json\n--list\n--version' --
expect '95910-2P400' --explain 95910-2P4
expect $'2\n20\n21\n22\n23\n24\n25\n26\n27\n28\n29\n2M5T\\ 14B056\\ BE\n2M5T\\ 14B056\\ DE' --json 2
expect '95910-2P400' 95910-2P4
expect $'96\\ 779\\ 092\\ 80\n96\\ 786\\ 915\\ 80' 96
expect $'3\n30\n3606010BB' 3
expect $'2\n20\n21\n22\n23\n24\n25\n26\n27\n28\n29\n2M5T\\ 14B056\\ BE\n2M5T\\ 14B056\\ DE' --info 2
expect '7Е0\ 959\ 655\ С' --info 7Е
expect 'CM5T\ 14B321\ AF' 'CM5T\ 14'
expect '' --list ''

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
touch "$dir/read1.bin" "$dir/read2.bin"
expect "$dir/read1.bin" 95910-2P400 "$dir/read1"
expect "$dir/read1.bin"$'\n'"$dir/read2.bin" --compare "$dir/read1.bin" "$dir/r"
expect '' --compare "$dir/read1.bin" "$dir/read2.bin" "$dir/r"
expect "$dir/read1.bin"$'\n'"$dir/read2.bin" --identify "$dir/read1.bin" "$dir/r"
expect "$dir/read1.bin"$'\n'"$dir/read2.bin" --explain 7 "$dir/r"
expect '' --explain 7 "$dir/read1.bin" "$dir/r"
expect "$dir/read1.bin"$'\n'"$dir/read2.bin" --json 7 "$dir/read1.bin" "$dir/r"

echo "completion: $((checks - failures)) passed, $failures failed"
[ $failures -eq 0 ]
