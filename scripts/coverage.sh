#!/usr/bin/env bash
# Line, function and branch coverage of src/ by the unit and window tests (the end-to-end
# cases are left out): a Debug build with --coverage in build/coverage, CTest, gcovr's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zk_ensure_packages "${ZK_COVERAGE_PACKAGES[@]}"

build=build/coverage
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DZITKLOK_BENCH=OFF -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage \
    -DCMAKE_SHARED_LINKER_FLAGS=--coverage
cmake --build "$build"
find "$build" -name '*.gcda' -delete
(cd "$build" && ctest --no-tests=error -j2 -LE e2e --output-on-failure)
gcovr --root . --filter 'src/' --print-summary "$build" > "$build/coverage.txt"
tail -n 3 "$build/coverage.txt"
