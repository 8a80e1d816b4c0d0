#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows zip: one folder with the program, README, licence and every sample, and a program
# that needs no DLL outside Windows itself (static C++ runtime and threads) and takes its
# arguments as a Windows user types them.
# Usage: ZipTest.sh <zip> <samples folder> <emulator, ';'-separated>
set -euo pipefail
zip=$1 samples=$2
IFS=';' read -r -a emulator <<<"$3"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

folder=$(basename "$zip" .zip)
{
    for file in faultwise-cli.exe README.md COPYING; do echo "$folder/$file"; done
    for sample in "$samples"/*; do echo "$folder/samples/$(basename "$sample")"; done
} | sort >"$out/expected"
(cd "$out" && cmake -E tar xf "$zip")
(cd "$out" && find "$folder" -type f | sort) >"$out/files"
diff -u "$out/expected" "$out/files" || fail "the zip holds other files than expected"

exe="$out/$folder/faultwise-cli.exe"
file "$exe" | grep -q 'PE32+ executable (console) x86-64' || fail "not a 64-bit console program: $(file "$exe")"
# Windows' own DLLs only: no libstdc++-6.dll, libgcc_s_seh-1.dll or libwinpthread-1.dll.
x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | sort -u >"$out/dlls"
unexpected=$(grep -viE '^(kernel32|msvcrt|user32|advapi32|shell32|ws2_32)\.dll$' "$out/dlls" || true)
[ -z "$unexpected" ] || fail "needs DLLs that Windows does not have: $unexpected"
[ "$("${emulator[@]}" "$exe" --version)" = "faultwise-cli $(echo "$folder" | cut -d- -f3)" ] ||
    fail "the zipped program does not tell its version"

# As cmd hands them over: a wildcard, a non-ASCII file name, a part number in Cyrillic letters.
headers=$("${emulator[@]}" "$exe" 21 "$out/$folder/samples/21_*.bin" | grep -c '^==> .*21_hSolaris.*\.bin <==$')
[ "$headers" -eq 2 ] || fail "21_*.bin was not expanded to the two type-21 samples ($headers reports)"
cp "$out/$folder/samples/26_audi7E0.bin" "$out/dämp €.bin"
"${emulator[@]}" "$exe" "7Е0 959 655 С" "$out/dämp €.bin" >"$out/report" ||
    fail "the non-ASCII part number or file name was not taken"
cmp -s "$out/report" <("${emulator[@]}" "$exe" 26 "$out/$folder/samples/26_audi7E0.bin") ||
    fail "the report by part number and non-ASCII file name differs from the one by type id"

[ $failures -eq 0 ] || exit 1
echo "$(basename "$zip"): $(wc -l <"$out/files") files, a static console program that runs"
