#!/usr/bin/env bash
# Runs each fuzz target of a build folder for a while.
#   [FUZZ_TARGETS="sprite config object record maze"] run-fuzz.sh BUILD_DIR SECONDS [--seeds-only]
# By default each target grows its corpus in BUILD_DIR/corpus/<target>,
# which starts as a copy of the seeds in fuzz/corpus/<target>. With
# --seeds-only it starts from the seeds alone in a scratch folder. Inputs
# that crash are kept in BUILD_DIR/findings/<target>/ and fail the run.
set -euo pipefail
build_dir=${1:?build folder}
seconds=${2:-600}
mode=${3:-}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "$build_dir" && pwd)
read -r -a targets <<<"${FUZZ_TARGETS:-sprite config object record maze}"

export ALSOFT_DRIVERS=null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

passed=0
failed=0
for target in "${targets[@]}"; do
  program="$build_dir/fuzz/${target}_fuzz"
  seeds="$source_dir/fuzz/corpus/$target"
  if [ "$mode" = "--seeds-only" ]; then
    corpus="$scratch/$target"
  else
    corpus="$build_dir/corpus/$target"
  fi
  findings="$build_dir/findings/$target"
  mkdir -p "$corpus" "$findings"
  # Seeds join the working corpus; inputs it already has stay as they are.
  for seed in "$seeds"/*; do
    [ -e "$corpus/${seed##*/}" ] || cp "$seed" "$corpus/"
  done
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$findings/")
  [ -f "$source_dir/fuzz/$target.dict" ] && options+=(-dict="$source_dir/fuzz/$target.dict")
  log="$build_dir/findings/$target.log"
  echo "== $target: ${seconds}s, corpus $corpus"
  if "$program" "${options[@]}" "$corpus" >"$log" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "== $target FAILED; its log is $log, the input in $findings/"
    tail -n 60 "$log"
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
  echo "   corpus: $(find "$corpus" -type f | wc -l) inputs, $(find "$corpus" -type f -printf '%s\n' | awk '{s += $1} END {print s + 0}') bytes"
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
