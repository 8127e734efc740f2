// Feeds arbitrary bytes to the reader of input recordings. What it accepts
// must write back, frame by frame, to a text it reads again as the same
// recording, and replay without fault as it is read; what it refuses it
// refuses at a line of the input with a reason.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "presentation/KeyCode.h"
#include "presentation/Mouse.h"
#include "presentation/RunInput.h"
#include "presentation/RunRecord.h"

namespace {

// The recording as the engine writes one.
std::string written(const vt::RecordedRun& run, const std::vector<vt::RecordedFrame>& frames) {
  std::ostringstream out;
  out << vt::headText(run);
  for (const vt::RecordedFrame& frame : frames) out << frame.repeat << vt::frameText(frame) << '\n';
  out << "end " << run.frame_count << ' ' << run.end_state << '\n';
  return out.str();
}

// Hands out the first frames as the input manager would read them.
void replay(const std::string& text, const vt::RecordedRun& run) {
  std::istringstream in(text);
  vt::ReplayInput input(in, run);
  long frames = std::min(run.frame_count, 1000L);
  for (long i = 0; i < frames; i++) {
    FUZZ_CHECK(input.nextFrame());
    vt::InputEvent event;
    while (input.pollEvent(event)) FUZZ_CHECK(event.type <= vt::InputEvent::RESIZED);
    input.isKeyPressed(vt::KeyCode::A);
    input.isButtonPressed(vt::Mouse::LEFT);
  }
  FUZZ_CHECK(input.getFrameCount() == frames);
  FUZZ_CHECK(input.atEnd() == (frames == run.frame_count));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vt_fuzz::startQuietEngine(0);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text = vt_fuzz::textOf(data, size);
  std::istringstream in(text);
  vt::RecordedRun run;
  std::vector<vt::RecordedFrame> frames;
  int line = -1;
  std::string reason;
  if (!vt::readRecording(in, run, line, reason, &frames)) {
    FUZZ_CHECK(!reason.empty());
    // A fault at the end is at the line after the last.
    FUZZ_CHECK(line >= 1 &&
               line <= static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 2);
    return 0;
  }
  std::string again = written(run, frames);
  std::istringstream in_again(again);
  vt::RecordedRun read_again;
  std::vector<vt::RecordedFrame> frames_again;
  FUZZ_CHECK(vt::readRecording(in_again, read_again, line, reason, &frames_again));
  FUZZ_CHECK_EQ(written(read_again, frames_again), again);
  replay(text, run);
  return 0;
}
