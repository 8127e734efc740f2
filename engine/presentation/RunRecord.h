// The text file a run's input is recorded in, so that the run can be played
// again: everything the run depends on that the program does not decide
// itself. The first line names the format and its version, the second the
// random seed; then each line is one frame, led by how many frames in a row
// were alike, with the words:
//   press K, release K      a key went down or up (key code, as SFML's)
//   move X Y                the pointer moved (window pixels)
//   click B X Y             a mouse button went down (as SFML's)
//   resize W H              the window was resized
//   close                   the window's close button
//   key K, button B         a key or button held at the frame's input
//   mouse X Y               the pointer, when not at 0 0
//   plies N                 path-search plies the frame did
//   nowindow                the frame had no window to read
// The events stand in the order they were read. A last line "end F S" gives
// the count of frames and the state of the world at the end. Blank lines
// and lines that begin with '#' are left out, so a test or a person can
// write a script in the same form. Internal to the engine and its tests;
// not part of vantle.h.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "presentation/InputEvent.h"

namespace vt {

/// The first word of a recording, and the version this engine writes.
const std::string RECORD_FORMAT = "vantle-record";
const int RECORD_VERSION = 1;

/// One frame's input as the input manager read it.
struct RecordedFrame {
  std::vector<InputEvent> events;  ///< in the order read
  std::vector<int> keys;           ///< held, as key codes
  std::vector<int> buttons;        ///< held, as button codes
  Pixel mouse;                     ///< the pointer
  bool window = true;             ///< whether there was a window to read
  int plies = -1;                 ///< -1: as many as the time budget allows
  long repeat = 1;                ///< how many frames in a row were alike
};

/// A whole recording.
struct RecordedRun {
  int seed = 0;
  std::vector<RecordedFrame> frames;
  long frame_count = 0;  ///< repeats included
  bool ended = false;    ///< whether it has its end line
  std::string end_state;
};

/// The frame's words, without its repeat count.
std::string frameText(const RecordedFrame& frame);

/// Reads a whole recording; false at the first fault, with its line number
/// and the reason.
bool readRecording(std::istream& in, RecordedRun& run, int& line, std::string& reason);

}  // namespace vt
