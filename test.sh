#!/usr/bin/env bash
# Installs what is missing, builds the three presets and runs every test through CTest: native unit
# tests (with sanitizers), a short run of every parser's fuzzer, then under Wine the unit,
# integration and end-to-end tests.
# Whatever the outcome, no Xvfb, wineserver or Wine program of the run is left behind.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh

orvex_install_deps
# The one reason the tests of 32-bit programs may skip rather than fail.
orvex_runs_32bit_programs || export ORVEX_KERNEL_WITHOUT_32BIT=1
orvex_build_native
orvex_build_fuzz
orvex_build_windows

session() { scripts/wine-session.sh "$1" build/windows/wineprefix-test build/windows/wine-session-test.env; }
trap 'session down' EXIT

status=0
ctest --preset native -j "$(orvex_jobs)" || status=1
ctest --preset fuzz -j "$(orvex_jobs)" || status=1
ctest --preset windows || status=1
exit $status
