#!/usr/bin/env bash
# Builds the benchmarks and runs them under Wine in Xvfb with a warm wineserver; prints figures.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
orvex_install_deps
orvex_build_windows --target orvex_bench_drag
prefix=$PWD/build/windows/wineprefix-bench
state=$PWD/build/windows/wine-session-bench.env
trap 'scripts/wine-session.sh down "$prefix" "$state"' EXIT
scripts/wine-session.sh up "$prefix" "$state"
scripts/wine-session.sh run "$prefix" "$state" build/windows/bin/orvex_bench_drag.exe
