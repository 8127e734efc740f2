// The input sources that record a run and play it again. A recording
// stands between the input manager and the live source and writes down,
// frame by frame, what the manager read, with the plies the path manager
// did; a replay hands out a recording's frames instead of live input and
// has the path manager do the recorded plies. Internal to the engine and
// its tests; not part of vantle.h.
#pragma once

#include <fstream>
#include <string>

#include "presentation/InputSource.h"
#include "presentation/RunRecord.h"

namespace vt {

/// A digest of every object in the world as it serializes itself; equal
/// worlds give equal digests.
std::string worldState();

class ReplayInput : public InputSource {
 public:
  explicit ReplayInput(RecordedRun init_run);

  /// Moves on to the next recorded frame and plans its plies; false when
  /// the recording has no more.
  bool nextFrame();

  /// Whether every recorded frame has been handed out.
  bool atEnd() const;

  /// The frames handed out so far.
  long getFrameCount() const;

  const RecordedRun& getRun() const;

  bool hasWindow() const override;
  void refresh() override;
  bool pollEvent(InputEvent& event) override;
  bool isKeyPressed(int code) const override;
  bool isButtonPressed(int button) const override;
  Pixel getMousePosition() const override;

 private:
  RecordedRun run;
  std::size_t index;  // of the current frame, or frames.size() before the first
  long repeats_left;  // of the current frame after this one
  std::size_t next_event;
  long frame_count;
};

class RecordingInput : public InputSource {
 public:
  /// Opens the file and writes the head of the recording; false when the
  /// file cannot be written.
  bool open(const std::string& filename, int seed);

  /// Ends the frame before, with the plies the path manager did in it, and
  /// begins one read from live.
  void nextFrame(InputSource& live);

  /// Ends the last frame and the recording with the world's state.
  void finish(const std::string& state);

  bool hasWindow() const override;
  void refresh() override;
  bool pollEvent(InputEvent& event) override;
  bool isKeyPressed(int code) const override;
  bool isButtonPressed(int button) const override;
  Pixel getMousePosition() const override;

 private:
  /// Writes the frames alike before the current one when it differs.
  void endFrame();
  void writePending();

  std::ofstream file;
  InputSource* p_live = nullptr;
  RecordedFrame current;
  bool in_frame = false;
  std::string pending;  // the words of the frames not yet written
  long pending_repeat = 0;
  long frame_count = 0;
};

}  // namespace vt
