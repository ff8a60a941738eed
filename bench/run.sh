#!/usr/bin/env bash
# Builds the benchmarks and runs them under Wine in Xvfb with a warm wineserver; prints figures.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
orvex_install_deps
orvex_build_windows --target orvex_bench_drag orvex_bench_refill orvex_bench_startup orvex_bench_tree
prefix=$PWD/build/windows/wineprefix-bench
state=$PWD/build/windows/wine-session-bench.env
trap 'scripts/wine-session.sh down "$prefix" "$state"' EXIT
scripts/wine-session.sh up "$prefix" "$state"
for benchmark in orvex_bench_drag orvex_bench_refill orvex_bench_startup orvex_bench_tree; do
    scripts/wine-session.sh run "$prefix" "$state" "build/windows/bin/$benchmark.exe"
done
