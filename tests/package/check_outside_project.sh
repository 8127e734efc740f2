#!/usr/bin/env bash
# Installs the engine from a build folder into a scratch prefix, copies the
# installed starter project out, builds it against the install alone and
# runs it from its build folder without a window and, when DISPLAY is set,
# in one: a recorded input holds the arrow keys, then presses Q. The rover
# must have moved, the program ended with status 0, and no file failed to load.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
cp -r "$work/prefix/share/vantle/starter" "$work/starter"
cmake -S "$work/starter" -B "$work/starter/build" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/starter/build" >/dev/null
cd "$work/starter/build"
modes=("headless:true,")
[ -n "${DISPLAY:-}" ] && modes+=("")
for mode in "${modes[@]}"; do
  # The window the recording was made in: none headless, else the default's cells.
  window="80 24"
  [ -n "$mode" ] && window="0 0"
  printf 'vantle-record 2\nseed 1\nframe_time 33\nwindow %s\ngame\n' "$window" >input.txt
  printf '20 key 72\n10 key 74\n1 press 16\nend 31\n' >>input.txt
  # The first key given wins.
  printf '%s\nreplay_file:input.txt,\n' "$mode" | cat - ../vt-config.txt >vt-config.txt
  if [ -n "$mode" ]; then
    ./starter
  else
    # The window's drivers keep memory to the end.
    ASAN_OPTIONS=detect_leaks=0 ./starter
  fi
  grep -E 'Cannot|Unable|Error|Warning|not found' vantle.log && exit 1
  grep -E 'The rover moved [1-9][0-9]* times' vantle.log
done
