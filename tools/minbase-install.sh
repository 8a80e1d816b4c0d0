#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures what installing faultwise-cli alone pulls into a clean Debian 12 minbase system: the
# packages it adds and that none of them is Qt or graphical. Needs root, debootstrap and the
# Debian mirror; not part of the test run (it downloads a base system).
# Usage: tools/minbase-install.sh <faultwise-cli .deb> [mirror]
set -euo pipefail
deb=$(realpath "$1")
mirror=${2:-http://deb.debian.org/debian}
root=$(mktemp -d -t faultwise-minbase.XXXXXX)
cleanup() {
    umount "$root/proc" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT

debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 ||
    { tail -20 "$root.log"; exit 1; }
rm -f "$root.log"
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
installed() { chroot "$root" dpkg-query -W -f='${Status} ${Package}\n' | awk '/ installed /{print $4}' | sort; }
installed >"$root/tmp/before"
chroot "$root" apt-get update -qq
DEBIAN_FRONTEND=noninteractive chroot "$root" apt-get install -y -qq --no-install-recommends \
    "/tmp/$(basename "$deb")" >/dev/null
installed >"$root/tmp/after"
added=$(comm -13 "$root/tmp/before" "$root/tmp/after")
echo "minbase packages before: $(wc -l <"$root/tmp/before"), after: $(wc -l <"$root/tmp/after")"
echo "added: $(echo "$added" | tr '\n' ' ')"
chroot "$root" faultwise-cli --version
if echo "$added" | grep -Eiq 'qt|gtk|mesa|libx11|wayland'; then
    echo "FAIL: a Qt or graphical package came along"
    exit 1
fi
echo "no Qt or graphical package"
