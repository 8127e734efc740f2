#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them, the windowed ones on a
# private Xvfb display large enough for the largest console, with OpenAL's
# silent output: the Google-benchmark cases of bench/, then the engine beside
# libtcod on whole consoles (scripts/console-bench.sh).
#   run-bench.sh                    both
#   run-bench.sh console            the consoles only
#   run-bench.sh google [ARGS]      the Google-benchmark cases only
#   run-bench.sh --benchmark_...    the same, with those arguments (for
#                                   example --benchmark_filter=Picture)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BENCH_DIR:-build-bench}
google=yes console=yes
case "${1:-}" in
  "") ;;
  console) console=yes google=no; shift ;;
  google) google=yes console=no; shift ;;
  *) console=no ;;
esac

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVANTLE_TESTS=OFF -DVANTLE_BENCHMARKS=ON
cmake --build "$build_dir" -j "$(nproc)" --target vantle_bench console_bench

source scripts/xvfb.sh
start_xvfb 2560x3200x24
export ALSOFT_DRIVERS=null
# What the libraries keep between runs (Mesa's shader cache) stays out of the home folder.
bench_home=$(mktemp -d)
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$bench_home"' EXIT
export XDG_CACHE_HOME=$bench_home/cache XDG_CONFIG_HOME=$bench_home/config
if [ "$google" = yes ]; then
  "$build_dir/bench/vantle_bench" "$@"
fi
if [ "$console" = yes ]; then
  bash scripts/console-bench.sh "$build_dir/bench/console"
fi
