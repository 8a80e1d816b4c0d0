#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up, build and run in one place: installs what is missing, builds, then runs the window
# ("run"), every test ("test"), serves the web page ("web"), runs a fuzzing campaign
# ("fuzz [target] [seconds]"), or makes the Windows zip of faultwise-cli ("windows", then
# `ctest --preset windows` tests it under wine).
set -euo pipefail
cd "$(dirname "$0")"

packages=(g++ make cmake qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    fonts-dejavu-core librsvg2-bin desktop-file-utils appstream dpkg-dev file lintian xvfb x11-utils
    emscripten chromium chromium-driver python3-selenium)
# libFuzzer and the sanitizer runtimes come with clang.
fuzz_packages=(clang libclang-rt-14-dev)
# mingw-w64 in its POSIX thread model, GoogleTest's sources to build for Windows, wine to run the
# Windows programs (the build runs one, the tests run all).
windows_packages=(g++-mingw-w64-x86-64-posix googletest wine wine64)

ensure_packages() {
    if ! command -v dpkg-query >/dev/null; then
        echo "build.sh: not a Debian system; make sure these are installed: ${packages[*]}" >&2
        return
    fi
    local missing=() package
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    if [ "$(id -u)" -ne 0 ]; then
        echo "build.sh: missing packages: ${missing[*]}" >&2
        echo "Install them with: sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
    echo "build.sh: installing ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    cmake --preset default
    cmake --build --preset default --parallel "$(nproc)"
}

case "${1:-}" in
run)
    ensure_packages
    build
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        echo "build.sh: no display found; start it from a desktop session" >&2
        exit 1
    fi
    exec build/faultwise
    ;;
test)
    ensure_packages
    build
    ctest --preset default
    ;;
web)
    ensure_packages
    cmake --preset default
    cmake --build --preset default --target faultwise_web_page --parallel "$(nproc)"
    echo "build.sh: serving build/web/ on 127.0.0.1 only (Ctrl+C stops); build/faultwise.html" \
        "is the same page in one file" >&2
    exec /usr/bin/python3 web/tools/serve.py build/web
    ;;
fuzz)
    # ./build.sh fuzz [target] [seconds]: a campaign over one target (decoder_fuzz unless named),
    # then the new inputs that add coverage are merged into fuzz/corpus/<target>.
    target=decoder_fuzz
    if [ -n "${2:-}" ] && [[ ! "$2" =~ ^[0-9]+$ ]]; then
        target=$2
        shift
    fi
    seconds=${2:-1800}
    packages+=("${fuzz_packages[@]}")
    ensure_packages
    cmake --preset fuzz
    cmake --build --preset fuzz --parallel "$(nproc)"
    if [ ! -x "build-fuzz/$target" ]; then
        echo "build.sh: no fuzz target '$target'; see fuzz/CMakeLists.txt" >&2
        exit 2
    fi
    # New inputs go to build-fuzz/corpus/<target>, crashes to build-fuzz/findings; one core.
    found=build-fuzz/corpus/$target
    kept=fuzz/corpus/$target
    generated=build-fuzz/fuzz/seeds/$target
    mkdir -p "$found" "$kept" build-fuzz/findings
    inputs=("$found" "$kept")
    [ -d "$generated" ] && inputs+=("$generated")
    status=0
    nice -n 10 "build-fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$target-" "${inputs[@]}" || status=$?
    # Only small inputs go into the repository, and only those that reach code no kept input
    # reaches (-merge=1 counting edges alone, not hit counts), so that it stays minimal.
    staged=build-fuzz/merge/$target
    rm -rf "$staged" && mkdir -p "$staged"
    find "$found" -type f -size "-${FUZZ_CORPUS_MAX_BYTES:-16384}c" -exec cp -t "$staged" {} +
    nice -n 10 "build-fuzz/$target" -merge=1 -use_counters=0 "$kept" "$staged"
    exit "$status"
    ;;
windows)
    packages+=("${windows_packages[@]}")
    ensure_packages
    # The Linux CLI too: the Windows tests compare the .exe's reports with its reports.
    cmake --preset default
    cmake --build --preset default --parallel "$(nproc)" --target faultwise-cli
    cmake --preset windows
    cmake --build --preset windows --parallel "$(nproc)"
    echo "build.sh: wrote $(ls build-windows/faultwise-cli-*-windows-x64.zip)"
    ;;
*)
    echo "usage: ./build.sh run | test | web | fuzz [target] [seconds] | windows" >&2
    exit 2
    ;;
esac
