#!/usr/bin/env bash
# Installs the engine from a build folder into a scratch prefix, builds a
# project outside the tree against it with find_package(Vantle), runs it.
set -euo pipefail
build_dir=$1
source_dir=$(cd "$(dirname "$0")" && pwd)/outside
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
cmake -S "$source_dir" -B "$work/build" -DCMAKE_PREFIX_PATH="$work/prefix" \
  -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$work/build" >/dev/null
cd "$work"
# The program reads no configuration file; the log lands in the scratch folder.
output=$("$work/build/outside_game")
echo "$output"
[ "$output" = "x=10 steps=10" ]
