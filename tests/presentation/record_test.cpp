#include "TestSupport.h"
#include "presentation/RunRecord.h"

namespace {
struct Damage {
  std::string text;
  int line;
  std::string reason;
};
const std::string HEAD = "vantle-record 2\nseed -5\nframe_time 33\nwindow 80 24\ngame maze x 1f\n";
}  // namespace

// Each fault is found at its line. (What the reader accepts writing back to
// itself is the fuzzer's concern.)
TEST(RecordTest, DamagedOrForeignRecordingsAreRefusedAtTheirLine) {
  const Damage damages[] = {
      {"", 1, "empty file"},
      {"P3\n2 2\n", 1, "not a recording of input (no 'vantle-record 2' line)"},
      {"vantle-record 1\nseed 1\n1\n", 1,
       "version 1 names nothing of what the run depends on: record the run again"},
      {"vantle-record 3\n", 1, "version 3 is not read by this engine"},
      {"vantle-record 2\n\n# seed\nseed 1x\n", 4, "expected 'seed' and a number"},
      {"vantle-record 2\nseed 1\nwindow 80 24\n", 3, "expected 'frame_time' and a number"},
      {"vantle-record 2\nseed 1\nframe_time 0\nwindow 80\n", 4,
       "expected 'window' and two numbers"},
      {HEAD + "0 key 3\n", 6, "expected a count of frames, not '0'"},
      {HEAD + "2 press 101\n", 6, "no key 101"},
      {HEAD + "1 close\r\n1 click 5 1 1\n", 7, "no mouse button 5"},
      {HEAD + "1 key 3 " + std::string(1 << 20, 'x') + "\n", 6, "longer than 1048576 characters"},
      {HEAD + "3 key 2\nend 2 ab\n", 7, "the end counts 2 frames, the file has 3"},
      {HEAD + "end 0 ab\n1\n", 7, "a line after the end"},
      {HEAD + "3 key 2\n\n", 8, "no 'end' line: the recording was cut short"},
      {HEAD + "2 move -3 4 press 5 key 6 button 1 mouse 7 8 plies 9 nowindow\n1\nend 3 s", 8, ""}};
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.text.substr(0, 80));
    std::istringstream in(damage.text);
    vt::RecordedRun run;
    int line = -1;
    std::string reason;
    EXPECT_EQ(vt::readRecording(in, run, line, reason), damage.reason.empty());
    EXPECT_EQ(reason, damage.reason);
    EXPECT_EQ(line, damage.line);
  }
}
