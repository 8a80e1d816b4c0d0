#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file that git tracks names its licence in an SPDX line near its top.
# Usage: LicenceHeaderTest.sh <source folder>; skipped (77) outside a git checkout.
set -euo pipefail
cd "$1"
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || exit 77
missing=$(git ls-files '*.cpp' '*.h' '*.rc' '*.js' '*.sh' '*.py' '*.cmake' '*CMakeLists.txt' \
        'Makefile' '*.bash' '.ci/run' '*.css' '*.html' |
    while read -r file; do
        [ -f "$file" ] || continue
        head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$file"
    done)
if [ -n "$missing" ]; then
    echo "Sources without the line 'SPDX-License-Identifier: GPL-3.0-or-later':"
    echo "$missing"
    exit 1
fi
