#!/usr/bin/env bash
# The long fuzzing run: every parser's libFuzzer entry for RUNS inputs (ten million by default)
# under AddressSanitizer and UBSan. ./test.sh keeps a short bounded run of the same entries.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
orvex_install_deps
runs=${1:-10000000}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(orvex_jobs)"
for fuzzer in build/fuzz/tests/*Fuzzer; do
    name=$(basename "$fuzzer")
    start=$(date +%s)
    "$fuzzer" -runs="$runs" -seed=1 -print_final_stats=1 2>"build/fuzz/$name.log" || {
        echo "$name: FINDING, see build/fuzz/$name.log"
        exit 1
    }
    echo "$name: $runs runs in $(( $(date +%s) - start )) s, no finding"
done
