#include "TestSupport.h"
#include "presentation/RunRecord.h"

namespace {
struct Damage {
  std::string text;
  int line;
  std::string reason;
};
const std::string HEAD = "vantle-record 1\nseed -5\n";
}  // namespace

// Each fault is found at its line. (What the reader accepts writing back to
// itself is the fuzzer's concern.)
TEST(RecordTest, DamagedOrForeignRecordingsAreRefusedAtTheirLine) {
  const Damage damages[] = {
      {"", 0, "empty file"},
      {"P3\n2 2\n", 1, "not a recording of input (no 'vantle-record 1' line)"},
      {"vantle-record 2\n", 1, "version 2 is not read by this engine"},
      {"vantle-record 1\n\n# seed\nseed 1x\n", 4, "expected 'seed' and a number"},
      {HEAD + "0 key 3\n", 3, "expected a count of frames, not '0'"},
      {HEAD + "2 press 101\n", 3, "no key 101"},
      {HEAD + "1 close\r\n1 click 5 1 1\n", 4, "no mouse button 5"},
      {HEAD + "3 key 2\nend 2 ab\n", 4, "the end counts 2 frames, the file has 3"},
      {HEAD + "end 0 ab\n1\n", 4, "a line after the end"},
      {HEAD + "2 move -3 4 press 5 key 6 button 1 mouse 7 8 plies 9 nowindow\n1\nend 3 s", 5, ""}};
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.text);
    std::istringstream in(damage.text);
    vt::RecordedRun run;
    int line = -1;
    std::string reason;
    EXPECT_EQ(vt::readRecording(in, run, line, reason), damage.reason.empty());
    EXPECT_EQ(reason, damage.reason);
    EXPECT_EQ(line, damage.line);
  }
}
