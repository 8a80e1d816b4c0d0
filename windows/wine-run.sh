#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Debian's wine64, headless, in a wine prefix of the build folder
# (nothing is written to the home folder). The tests' emulator: wine-run.sh <prefix> <program.exe>...
prefix=$1
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all
# No first-run dialogs offering to download .NET and Gecko, no display to show them on, and no
# menu entries written into the home folder.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
if command -v wine64 >/dev/null; then
    exec wine64 "$@"
fi
exec /usr/lib/wine/wine64 "$@"
