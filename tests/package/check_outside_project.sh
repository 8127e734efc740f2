#!/usr/bin/env bash
# Installs the engine from a build folder into a scratch prefix, runs the
# installed maze's launcher from another folder, copies the installed
# starter project out, builds it against the install alone and
# runs it from its build folder without a window and, when DISPLAY is set,
# in one: a recorded input holds the arrow keys, presses the space bar, then
# Q. The rover must have moved and honked, the program ended with status 0,
# and no file (its horn's sound among them) failed to load.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null

# The installed maze runs from another folder: a maze it comes with, and one
# of the folder it was started in.
mkdir "$work/elsewhere"
cp "$work/prefix/lib/maze/mazes/zigzag.maze" "$work/elsewhere/mine.maze"
(cd "$work/elsewhere" && export XDG_STATE_HOME="$work/state" &&
  "$work/prefix/bin/maze" --check mazes/zigzag.maze &&
  "$work/prefix/bin/maze" --check mine.maze) >"$work/checked.txt"
diff - "$work/checked.txt" <<EOF
mazes/zigzag.maze: every key and then the door can be reached.
$work/elsewhere/mine.maze: every key and then the door can be reached.
EOF
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
  printf '20 key 72\n1 press 57\n10 key 74\n1 press 16\nend 32\n' >>input.txt
  # The first key given wins.
  printf '%s\nreplay_file:input.txt,\n' "$mode" | cat - ../vt-config.txt >vt-config.txt
  if [ -n "$mode" ]; then
    ./starter
  else
    # The window's drivers keep memory to the end.
    ASAN_OPTIONS=detect_leaks=0 ./starter
  fi
  grep -E 'Cannot|Unable|Error|Warning|not found' vantle.log && exit 1
  grep -E 'The rover moved [1-9][0-9]* times and honked 1 times' vantle.log
done
