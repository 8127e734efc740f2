// The text file a run's input is recorded in, so that the run can be played
// again: everything the run depends on that the program does not decide
// itself. The head is five lines: the format and its version, the random
// seed, and what a replay must match:
//   vantle-record 2
//   seed N
//   frame_time MS           the configured frame time
//   window COLUMNS ROWS     the window's size in cells (0 0 headless)
//   game TEXT               what the game said the run depends on
// Then each line is one frame, led by how many frames in a row were alike,
// with the words:
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
// the count of frames and the state of the world at the end (a script may
// leave the state out); a file without it was cut short. Blank lines and
// lines that begin with '#' are left out, so a test or a person can write a
// script in the same form. Internal to the engine and its tests; not part
// of vantle.h.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "presentation/InputEvent.h"

namespace vt {

/// The first word of a recording, and the version this engine writes.
const std::string RECORD_FORMAT = "vantle-record";
const int RECORD_VERSION = 2;

/// The longest line a recording may have, and the most bytes it may hold.
const std::size_t MAX_RECORD_LINE = 1 << 20;
const std::uint64_t MAX_RECORD_BYTES = std::uint64_t(1) << 30;

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

/// A recording's head and end; its frames are read one by one.
struct RecordedRun {
  int seed = 0;
  int frame_time = 0;
  int columns = 0;  ///< of the window, in cells
  int rows = 0;
  std::string game;       ///< what the game said the run depends on
  long frame_count = 0;   ///< repeats included
  std::string end_state;  ///< empty when the end line gives none
};

/// The head's lines, from the format to the game's.
std::string headText(const RecordedRun& run);

/// The frame's words, without its repeat count.
std::string frameText(const RecordedFrame& frame);

/// Reads a recording line by line, so that its length costs no memory.
class RecordReader {
 public:
  explicit RecordReader(std::istream& init_in);

  /// Reads the head into run; false at a fault.
  bool readHead(RecordedRun& run);

  /// Reads the next frame; false after the last one, the end line having
  /// set run's frame count and end state, or at a fault (with a reason).
  bool readFrame(RecordedRun& run, RecordedFrame& frame);

  /// The line last read, or of the fault.
  int getLine() const;
  /// Why the recording was refused; empty while it was not.
  const std::string& getReason() const;

 private:
  bool nextLine(std::string& text);
  bool refuse(const std::string& why);
  std::istream& in;
  int line = 0;
  long frames = 0;  // read so far, repeats included
  bool ended = false;
  bool past_end = false;
  std::string reason;
};

/// Reads a whole recording, the frames into p_frames when given; false at
/// the first fault, with its line number and the reason. A recording
/// without its end line is refused.
bool readRecording(std::istream& in, RecordedRun& run, int& line, std::string& reason,
                   std::vector<RecordedFrame>* p_frames = nullptr);

}  // namespace vt
