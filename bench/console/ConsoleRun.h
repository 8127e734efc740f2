// What the engine's and the peer's console programs share: the settings of a
// run from the command line, the cells every frame gives its console, and the
// timed loop that counts frames per second and the process's CPU time per
// frame (every thread, the software renderer's among them).
#pragma once

#include <functional>

namespace consolebench {

/// Pixels of one cell on both sides.
const int CELL_WIDTH = 8;
const int CELL_HEIGHT = 16;

/// Colours are indexes into the engine's eight, BLACK (0) to WHITE (7).
const int COLOR_COUNT = 8;

struct RunSettings {
  int columns = 80;
  int rows = 50;
  bool changing = true;  ///< every cell new each frame; otherwise the same screen again
  double seconds = 2;    ///< timed, after the warm-up
  double warmup = 0.5;
};

/// Reads "COLUMNS ROWS changing|static [SECONDS [WARMUP]]"; false, with the
/// usage on standard error, when they do not make sense.
bool readSettings(int argc, char** argv, RunSettings& settings);

/// The character of a cell in a frame, printable ASCII, different from the
/// cell's character in the frame before.
char cellCharacter(int column, int row, int frame);

/// The colour of a cell in a frame, different from the frame before's.
int cellColor(int column, int row, int frame);

/// Runs draw(frame) for the warm-up, then for the set time (at least a few
/// frames each), and prints on standard output one line
/// "frames N seconds S fps F cpu_ms C" for the timed frames. The frame
/// number stays 0 on a static screen.
void timeFrames(const RunSettings& settings, const std::function<void(int frame)>& draw);

}  // namespace consolebench
