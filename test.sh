#!/usr/bin/env bash
# Installs what is missing, builds the core without Qt and runs its tests, then builds
# everything (warnings as errors, address and undefined-behaviour sanitizers) and runs
# every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
zk_ensure_packages
# The standard-library core and its tests, without Qt: what a GUI-free build must keep building.
if [ ! -f build/core/build.ninja ]; then
    cmake -S . -B build/core -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZITKLOK_GUI=OFF \
        -DZITKLOK_WERROR=ON -DZITKLOK_BENCH=OFF
fi
cmake --build build/core
(cd build/core && ctest --output-on-failure --no-tests=error -j2)
# The end-to-end tests need the test hooks; a folder configured before they existed is
# configured again.
if [ ! -f build/test/build.ninja ] ||
   ! grep -q '^ZITKLOK_TEST_HOOKS:BOOL=ON' build/test/CMakeCache.txt; then
    cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DZITKLOK_SANITIZE=ON -DZITKLOK_WERROR=ON -DZITKLOK_TEST_HOOKS=ON
fi
cmake --build build/test
(cd build/test && ctest --output-on-failure --no-tests=error -j2 "$@")
# A minute of fuzzing of everything that reads the log and the settings;
# ZK_SKIP_FUZZ=1 leaves it out for a quick run.
[ "${ZK_SKIP_FUZZ:-0}" = 1 ] || fuzz/run.sh
scripts/test-share.sh
