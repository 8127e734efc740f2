// The input sources that record a run and play it again. A recording
// stands between the input manager and the live source and writes down,
// frame by frame, what the manager read, with the plies the path manager
// did, to a file that takes the recording's name only when it ends; a
// replay hands out a recording's frames, read as it goes, instead of live
// input and has the path manager do the recorded plies. Internal to the
// engine and its tests; not part of vantle.h.
#pragma once

#include <string>

#include "core/FileAccess.h"
#include "presentation/InputSource.h"
#include "presentation/RunRecord.h"

namespace vt {

/// A digest of every object in the world as it serializes itself; equal
/// worlds give equal digests.
std::string worldState();

class ReplayInput : public InputSource {
 public:
  /// Replays the recording in, from its start; run is its head and end as
  /// readRecording found them. in must outlive the replay.
  ReplayInput(std::istream& in, RecordedRun init_run);

  /// Moves on to the next recorded frame and plans its plies; false when
  /// the recording has no more.
  bool nextFrame();

  /// Whether no frame is left to hand out: every recorded one was, or the
  /// file no longer reads as it did.
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
  RecordReader reader;
  RecordedRun run;
  RecordedRun read;  // as the reader goes
  RecordedFrame current;
  bool has_frame = false;
  bool failed = false;
  long repeats_left = 0;  // of the current frame after this one
  std::size_t next_event = 0;
  long frame_count = 0;
};

class RecordingInput : public InputSource {
 public:
  /// Makes the recording's file beside filename and writes the head of the
  /// recording; empty on success, else why it cannot be written.
  std::string open(const std::string& filename, const RecordedRun& head);

  /// Ends the frame before, with the plies the path manager did in it, and
  /// begins one read from live.
  void nextFrame(InputSource& live);

  /// Ends the last frame and the recording with the world's state, and puts
  /// it in place of the file named; empty on success, else why not.
  std::string finish(const std::string& state);

  /// Drops the recording; the file named stays as it was.
  void discard();

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

  ReplacingFile file;
  InputSource* p_live = nullptr;
  RecordedFrame current;
  bool in_frame = false;
  std::string pending;  // the words of the frames not yet written
  long pending_repeat = 0;
  long frame_count = 0;
};

}  // namespace vt
