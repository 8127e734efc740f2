#!/usr/bin/env bash
# Runs one of the guide's sample programs headless in a scratch folder, with
# the samples' sprites beside it. It must end by itself with status 0 and,
# when a line is given, have written that line to its log.
set -euo pipefail
program=$1
samples_dir=$2
expected=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
ln -s "$samples_dir/sprites" sprites
printf 'headless:true,\nframe_time:0,\n' >vt-config.txt
timeout 300 "$program"
if [ -n "$expected" ] && ! grep -qF -- "$expected" vantle.log; then
  echo "the log lacks: $expected"
  tail -n 20 vantle.log
  exit 1
fi
