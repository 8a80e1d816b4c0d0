#!/usr/bin/env bash
# Builds the .deb with CPack and checks it: exactly the files that an install puts down, the Qt
# libraries among its dependencies (found by dpkg-shlibdeps), and a packaged CLI that runs.
# Usage: PackageTest.sh <build dir> <desktop id> <dpkg-deb> <a type-1 sample dump>
set -euo pipefail
build=$1 id=$2 dpkg_deb=$3 sample=$4
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
deb=$(ls "$out"/*.deb)

"$dpkg_deb" -c "$deb" | awk '$1 ~ /^-/ { print $6 }' | sort >"$out/files"
{
    echo "./usr/bin/faultwise"
    echo "./usr/bin/faultwise-cli"
    echo "./usr/share/applications/$id.desktop"
    echo "./usr/share/bash-completion/completions/faultwise-cli"
    for size in 32 48 64 128 256; do
        echo "./usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    done
    echo "./usr/share/man/man1/faultwise-cli.1"
    echo "./usr/share/metainfo/$id.metainfo.xml"
} | sort >"$out/expected"
diff -u "$out/expected" "$out/files" || fail "the package holds other files than expected"

depends=$("$dpkg_deb" -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ ", $depends" == *", $library "* || ", $depends," == *", $library,"* ]] ||
        fail "Depends lacks $library: $depends"
done
[ "$("$dpkg_deb" -f "$deb" Package)" = faultwise ] || fail "package name"

"$dpkg_deb" -x "$deb" "$out/root"
cli="$out/root/usr/bin/faultwise-cli"
# Every leaf of the tree, as many as the CLI of the build tree lists.
[ "$("$cli" --list | wc -l)" -eq "$("$build/faultwise-cli" --list | wc -l)" ] ||
    fail "packaged faultwise-cli --list"
"$cli" 1 "$sample" | grep -qx $'\tB1346 Stage Driver airbag resistance too high' ||
    fail "packaged faultwise-cli does not decode $sample"
file "$out/root/usr/bin/faultwise" | grep -q 'stripped' || fail "faultwise is not a stripped ELF"
file "$out/root/usr/bin/faultwise" | grep -q 'not stripped' && fail "faultwise is not stripped"
file "$out/root/usr/share/icons/hicolor/256x256/apps/$id.png" | grep -q '256 x 256' ||
    fail "the 256 px icon is not a 256 x 256 PNG"

if [ $failures -ne 0 ]; then
    echo "$failures failures in $(basename "$deb")"
    exit 1
fi
echo "$(basename "$deb"): contents, dependencies and packaged CLI as expected"
