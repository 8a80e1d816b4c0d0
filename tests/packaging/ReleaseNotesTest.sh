#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian changelog and the AppStream release notes both start with the version being built,
# so that a version bump without its notes fails.
# Usage: ReleaseNotesTest.sh <version> <changelog> <metainfo>
set -euo pipefail
version=$1 changelog=$2 metainfo=$3
status=0
latest_changelog=$(sed -n '1s/^faultwise (\([^)]*\)).*/\1/p' "$changelog")
latest_release=$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | sed 's/.*="//; s/"$//')
for pair in "changelog:$latest_changelog" "AppStream:$latest_release"; do
    if [ "${pair#*:}" != "$version" ]; then
        echo "FAIL: the latest ${pair%%:*} entry is '${pair#*:}', the build is $version"
        status=1
    fi
done
grep -A2 "<release version=\"$version\"" "$metainfo" | grep -q '<description>' || {
    echo "FAIL: the AppStream release $version has no notes"
    status=1
}
exit $status
