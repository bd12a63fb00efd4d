#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer in build/fuzz and runs each
# for a share of ZK_FUZZ_SECONDS (60 by default), starting from the seeds in
# fuzz/corpus/<target>/. Fails on the first crash, leak, hang or broken promise,
# leaving the input that caused it in build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zk_ensure_packages "${ZK_FUZZ_PACKAGES[@]}"

build=${ZK_FUZZ_BUILD:-build/fuzz}
targets=(fuzz_actions_log fuzz_report_log fuzz_settings)
seconds=${ZK_FUZZ_SECONDS:-60}
# A fixed seed makes a run from a clean clone the same every time, so that CI
# fails only for a change of ours; ZK_FUZZ_SEED=0 lets libFuzzer pick one.
seed=${ZK_FUZZ_SEED:-1}
share=$(( seconds / ${#targets[@]} ))
[ "$share" -ge 1 ] || share=1

[ -f "$build/build.ninja" ] || CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Debug -DZITKLOK_FUZZ=ON -DZITKLOK_BENCH=OFF
cmake --build "$build" --target "${targets[@]}"

mkdir -p "$build/artifacts"
status=0
for t in "${targets[@]}"; do
    # New inputs go to a folder of the build; the committed seeds stay as they are.
    work="$build/corpus/$t"
    mkdir -p "$work"
    log="$build/$t.log"
    echo "fuzz: $t for ${share}s"
    if ! "$build/fuzz/$t" -max_total_time="$share" -timeout=10 -seed="$seed" -print_final_stats=1 \
            -artifact_prefix="$build/artifacts/$t-" "$work" "fuzz/corpus/$t" >"$log" 2>&1; then
        echo "fuzz: $t FAILED; the input is in $build/artifacts/, the log in $log" >&2
        grep -v '^INFO:\|^#[0-9]' "$log" | tail -40 >&2
        status=1
    else
        grep -m1 '^stat::number_of_executed_units' "$log" || true
    fi
done
exit $status
