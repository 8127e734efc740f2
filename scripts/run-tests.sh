#!/usr/bin/env bash
# Runs the ctest suite of a build folder with a private X server for the
# windowed tests and OpenAL's silent output for the audio.
set -euo pipefail
build_dir=${1:-build-test}

source "$(dirname "$0")/xvfb.sh"
# Large enough for the largest console the tests open (320 x 200 cells of 8 x 16).
start_xvfb 2560x3200x24
export ALSOFT_DRIVERS=null
export VANTLE_REQUIRE_DISPLAY=1
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --timeout 600
