# SPDX-License-Identifier: GPL-3.0-or-later
# Shortcuts over build.sh and the CMake presets.
.PHONY: run test web build asan-test format
run:
	./build.sh run
test:
	./build.sh test
web:
	./build.sh web
build:
	cmake --preset default && cmake --build --preset default --parallel
asan-test:
	cmake --preset asan && cmake --build --preset asan --parallel && ctest --preset asan
format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
