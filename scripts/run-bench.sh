#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them, the windowed ones on a
# private Xvfb display, with OpenAL's silent output. Extra arguments go to
# the benchmark program (for example --benchmark_filter=Picture).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BENCH_DIR:-build-bench}

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVANTLE_TESTS=OFF -DVANTLE_BENCHMARKS=ON
cmake --build "$build_dir" -j "$(nproc)" --target vantle_bench

source scripts/xvfb.sh
start_xvfb
ALSOFT_DRIVERS=null "$build_dir/bench/vantle_bench" "$@"
