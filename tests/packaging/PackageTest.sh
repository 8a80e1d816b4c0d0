#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the two .debs with CPack and checks them: exactly the files that each installs, their
# dependencies (faultwise-cli without Qt or any graphical library, faultwise on top of it), the
# changelog's version, a packaged CLI that runs, and lintian with no error and no warning.
# Usage: PackageTest.sh <build dir> <desktop id> <version> <a type-1 sample dump>
set -euo pipefail
build=$1 id=$2 version=$3 sample=$4
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! (cd "$build" && cpack -G DEB -B "$out") >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
arch=$(dpkg --print-architecture)
cli_deb="$out/faultwise-cli_${version}_$arch.deb"
window_deb="$out/faultwise_${version}_$arch.deb"
for deb in "$cli_deb" "$window_deb"; do
    [ -f "$deb" ] || { echo "FAIL: no $(basename "$deb") among: $(ls "$out")"; exit 1; }
done

# Regular files, then symbolic links: what dpkg -c lists, less directories.
files_of() {
    dpkg-deb -c "$1" | awk '$1 ~ /^[-l]/ { print $6 }' | sort
}
expect_files() {
    local deb=$1
    shift
    printf '%s\n' "$@" | sort >"$out/expected"
    files_of "$deb" >"$out/files"
    diff -u "$out/expected" "$out/files" || fail "$(basename "$deb") holds other files than expected"
}
expect_files "$cli_deb" \
    ./usr/bin/faultwise-cli \
    ./usr/share/bash-completion/completions/faultwise-cli \
    ./usr/share/doc/faultwise-cli/changelog.gz \
    ./usr/share/doc/faultwise-cli/copyright \
    ./usr/share/man/man1/faultwise-cli.1.gz
icons=()
for size in 16 22 24 32 48 64 128 256; do
    icons+=("./usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
expect_files "$window_deb" \
    ./usr/bin/faultwise \
    "./usr/share/applications/$id.desktop" \
    ./usr/share/doc/faultwise/changelog.gz \
    ./usr/share/doc/faultwise/copyright \
    "${icons[@]}" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    ./usr/share/man/man1/faultwise.1.gz \
    "./usr/share/metainfo/$id.metainfo.xml"

# Package names of a Depends field, one a line, without versions.
depends_of() {
    dpkg-deb -f "$1" Depends | tr ',' '\n' | sed 's/^ *//; s/[ (].*//' | sort -u
}
unexpected=$(depends_of "$cli_deb" | grep -vxE 'libc6|libgcc-s1|libstdc\+\+6' || true)
[ -z "$unexpected" ] || fail "faultwise-cli depends on more than the C and C++ runtimes: $unexpected"
window_depends=$(dpkg-deb -f "$window_deb" Depends)
[[ ", $window_depends," == *", faultwise-cli (= $version),"* ]] ||
    fail "faultwise does not depend on faultwise-cli (= $version): $window_depends"
for library in qt6-qpa-plugins libqt6core6 libqt6gui6 libqt6widgets6; do
    depends_of "$window_deb" | grep -qx "$library" || fail "faultwise lacks $library: $window_depends"
done

dpkg-deb -x "$cli_deb" "$out/cli"
dpkg-deb -x "$window_deb" "$out/window"
changelog_version=$(zcat "$out/cli/usr/share/doc/faultwise-cli/changelog.gz" |
    sed -n '1s/^faultwise (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] ||
    fail "the changelog's latest entry is $changelog_version, the package is $version"
cli="$out/cli/usr/bin/faultwise-cli"
# Every leaf of the tree, as many as the CLI of the build tree lists.
[ "$("$cli" --list | wc -l)" -eq "$("$build/faultwise-cli" --list | wc -l)" ] ||
    fail "packaged faultwise-cli --list"
"$cli" 1 "$sample" | grep -qx $'\tB1346 Stage Driver airbag resistance too high' ||
    fail "packaged faultwise-cli does not decode $sample"
for program in "$cli" "$out/window/usr/bin/faultwise"; do
    file "$program" | grep -q ', stripped' || fail "$(basename "$program") is not a stripped ELF"
done
file "$out/window/usr/share/icons/hicolor/16x16/apps/$id.png" | grep -q '16 x 16' ||
    fail "the 16 px icon is not a 16 x 16 PNG"

# Errors and warnings fail; the pedantic infos are listed for the record.
if ! lintian --fail-on error,warning --display-info --pedantic --tag-display-limit 0 "$cli_deb" "$window_deb" \
    >"$out/lintian" 2>&1; then
    fail "lintian"
fi
grep -v '^N: ' "$out/lintian" || true

if [ $failures -ne 0 ]; then
    echo "$failures failures"
    exit 1
fi
echo "faultwise-cli and faultwise $version: files, dependencies, changelog, packaged CLI, lintian"
