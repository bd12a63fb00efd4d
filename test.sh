#!/usr/bin/env bash
# Installs what is missing, builds everything (warnings as errors, address and
# undefined-behaviour sanitizers) and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
zk_ensure_packages
[ -f build/test/build.ninja ] || cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DZITKLOK_SANITIZE=ON -DZITKLOK_WERROR=ON
cmake --build build/test
(cd build/test && ctest --output-on-failure --no-tests=error -j2 "$@")
# A minute of fuzzing of everything that reads the log and the settings;
# ZK_SKIP_FUZZ=1 leaves it out for a quick run.
[ "${ZK_SKIP_FUZZ:-0}" = 1 ] || fuzz/run.sh
