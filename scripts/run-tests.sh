#!/usr/bin/env bash
# Runs the ctest suite of a build folder with a private X server for the
# windowed tests and OpenAL's silent output for the audio.
set -euo pipefail
build_dir=${1:-build-test}

source "$(dirname "$0")/xvfb.sh"
start_xvfb
export ALSOFT_DRIVERS=null
export VANTLE_REQUIRE_DISPLAY=1
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --timeout 600
