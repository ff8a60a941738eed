#!/usr/bin/env bash
# Builds the benchmarks and runs them under Wine in Xvfb with a warm wineserver; prints one table
# of figures, each beside its floor, and the machine it ran on. No test runs this (the test suite
# runs each benchmark once with tiny sizes); docs/performance.md keeps the last table.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
orvex_install_deps
benchmarks=(orvex_bench_drag orvex_bench_refill orvex_bench_tree orvex_bench_startup orvex_bench_hygiene orvex_bench_msglog orvex_bench_find orvex_bench_wait
    orvex_bench_capture orvex_bench_log orvex_bench_watch)
orvex_build_windows --target "${benchmarks[@]}" >/dev/null
prefix=$PWD/build/windows/wineprefix-bench
state=$PWD/build/windows/wine-session-bench.env
trap 'scripts/wine-session.sh down "$prefix" "$state"' EXIT
scripts/wine-session.sh up "$prefix" "$state" >/dev/null

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
echo "Machine: ${cpu:-unknown CPU}, $(nproc) cores, $(free -g | awk '/^Mem:/ {print $2}') GiB," \
    "$(uname -sr), $(wine --version), Xvfb; $(date -u '+%Y-%m-%d %H:%M UTC')"
echo
printf '| %-46s | %-22s | %-22s | %5s | %-14s |\n' figure "median ± IQR" "floor ± IQR" ratio target
printf '|%s|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..48})" "$(printf -- '-%.0s' {1..24})" \
    "$(printf -- '-%.0s' {1..24})" "$(printf -- '-%.0s' {1..7})" "$(printf -- '-%.0s' {1..16})"
for benchmark in "${benchmarks[@]}"; do
    scripts/wine-session.sh run "$prefix" "$state" "build/windows/bin/$benchmark.exe" "$@"
done
