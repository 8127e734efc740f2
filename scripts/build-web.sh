#!/usr/bin/env bash
# Builds the maze's web page (and the arena's, in arena/) into the folder
# given (build-web by default) with Debian's Emscripten: index.html,
# maze.js, maze.wasm and maze.data, the build's own files in cmake/ below.
set -euo pipefail
web_dir=$(realpath -m "${1:-build-web}")
jobs=${JOBS:-$(nproc)}

# Emscripten's optimiser finds Debian's acorn only through NODE_PATH, and
# emcmake would name a Node.js option for threads that this Node.js refuses,
# so the build's Node.js (which runs the sound synthesiser) is named here.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S "$(dirname "$0")/.." -B "$web_dir/cmake" -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DVANTLE_PAGE_DIR="$web_dir" -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" >/dev/null
cmake --build "$web_dir/cmake" -j "$jobs"
