
#include "TestSupport.h"

using namespace vt_test;
using namespace std::string_literals;
using Lines = std::vector<std::string>;

namespace {
const std::string RULE = "-----------------------------------";

// The configuration file's text ("" none, "/" a folder) and lines reading
// it writes: its warnings, then settings as the print-out lists them.
struct ConfigCase {
  std::string file;
  Lines lines;
};

const ConfigCase CASES[] = {
    {"",
     {"readConfig(): Cannot open Vantle configuration file 'vt-config.txt'.", "  Frame time: 33"}},
    {"/",
     {"readConfig(): Warning! Cannot read Vantle configuration file 'vt-config.txt'.  Using "
      "defaults.",
      "  Frame time: 33"}},
    {"window_horizontal_chars:100,\nwindow_vertical_chars:40,\nwindow_style:default,",
     {"  Window vertical characters: 40", "  Window style: default"}},
    {"window_horizontal_chars:100\nwindow_vertical_chars:40\n",  // one item
     {"  Window horizontal characters: 100", "  Window vertical characters: 24"}},
    {"# a comment\nwindow_title:My Game,\r\n\tframe_time : 50 ,frame_time:60,\n\n"
     "logfile:a#b.log,,\nfont_file:C:/fonts/x.ttf,\n",
     {"  Window title: MyGame", "  Frame time: 50", "  Log file: a#b.log", "  Font file: C"}},
    {"window_background_color:yellow,window_style:fullscreen,headless:yes,show_mouse:true,"
     "frame_time:fast,font_scale:1.5,random_seed:42,master_volume:40,",
     {"  Window background color: 3", "  Window style: fullscreen", "  Headless: false",
      "  Show mouse: true", "  Frame time: 0", "  Font scale: 1.5", "  Random seed: 42",
      "  Master volume: 40"}},
    {"window_background_color:Yellow,window_style:Huge,frame_time:99999999999,master_volume:-3,",
     {"loadConfig(): Unsupported window color 'Yellow'",
      "loadConfig(): Unsupported window style 'Huge'",
      "loadConfig(): Unsupported frame time '99999999999'",
      "loadConfig(): Unsupported master volume '-3'", "  Window background color: 0",
      "  Window style: default", "  Frame time: 33", "  Master volume: 100"}},
    // Sizes that would exhaust the machine keep the defaults.
    {"frame_time:10001,window_vertical_pixels:30000,font_scale:41,log_size_limit:0,"
     "master_volume:101,",
     {"loadConfig(): Unsupported frame time '10001'", "loadConfig(): Unsupported master volume '101'",
      "loadConfig(): Unsupported window vertical pixels '30000'",
      "loadConfig(): Unsupported log size limit '0'", "loadConfig(): Unsupported font scale '41'",
      "  Frame time: 33", "  Window vertical pixels: 768", "  Font scale: 2"}},
    {"font_scale:nan,", {"loadConfig(): Unsupported font scale 'nan'", "  Font scale: 2"}},
    {"frame_time:7,\n\x01\0:\xff,frame_time:9,window_title:x,"s,
     {"readConfig(): Warning! Vantle configuration file 'vt-config.txt' holds a zero byte.  What "
      "follows it is ignored.",
      "  Frame time: 7", "  Window title: Vantle"}},
};

// What reading and applying the file, then printing the settings, write (to
// stderr: no log is open), and the font scale and master volume, which the
// print-out leaves out.
Lines loadAndPrint() {
  vt::LogManager& log = vt::LogManager::getInstance();
  log.setLogTimeString(false);
  log.setLogStepCount(false);
  log.setLogLevel(1);
  testing::internal::CaptureStderr();
  vt::loadConfig(vt::readConfig());
  vt::logConfig();
  std::istringstream out(testing::internal::GetCapturedStderr());
  Lines lines;
  for (std::string line; std::getline(out, line);) lines.push_back(line);
  lines.push_back("  Font scale: " + vt::toString(vt::Config::getInstance().getFontScale()));
  lines.push_back("  Master volume: " + vt::toString(vt::Config::getInstance().getMasterVolume()));
  return lines;
}
}  // namespace

using ConfigTest = InTempDir;

TEST_F(ConfigTest, FilesAreJoinedParsedAndAppliedKeyByKey) {
  for (const ConfigCase& c : CASES) {
    SCOPED_TRACE(c.file.substr(0, 40));
    std::filesystem::remove_all("vt-config.txt");
    if (c.file == "/")
      std::filesystem::create_directory("vt-config.txt");
    else if (!c.file.empty())
      writeFile("vt-config.txt", c.file);
    vt::Config::getInstance().reset();
    vt::match("frame_time:5", "");  // an older parse, never to be read again
    Lines lines = loadAndPrint();
    auto warnings = std::count_if(c.lines.begin(), c.lines.end(),
                                  [](const std::string& line) { return line[0] != ' '; });
    // And the 16 lines of the print-out, the scale and the volume.
    EXPECT_EQ(lines.size(), warnings + 18u);
    EXPECT_EQ(lines[lines.size() - 3], RULE);
    for (const std::string& line : c.lines) EXPECT_TRUE(contains(lines, line)) << line;
  }
}

TEST(TextItems, MatchSkipsEmptyItemsStopsAtAnItemOfColonsAndKeepsItsParse) {
  EXPECT_EQ(vt::match(",,a:1,::b::2:3,c,:::,d:4", "a"), "1");
  EXPECT_EQ(vt::readItem("b"), "2");
  for (const char* key : {"c", "d", "A"}) EXPECT_EQ(vt::readItem(key), "") << key;
  EXPECT_EQ(vt::match("x:9", "a"), "");
}
