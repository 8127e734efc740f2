
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

// The file's lines: count items of "a:1,", then the end.
std::string items(int count, const std::string& end) {
  std::string text;
  for (int i = 0; i < count; i++) text += "a:1,\n";
  return text + end;
}

const ConfigCase CASES[] = {
    {"",
     {"readConfig(): Cannot open Vantle configuration file 'vt-config.txt'.", "  Frame time: 33"}},
    {"/",
     {"readConfig(): Warning! Cannot read Vantle configuration file 'vt-config.txt': is a "
      "directory.  Using defaults.",
      "  Frame time: 33"}},
    {"#" + std::string(65536, 'x'),
     {"readConfig(): Warning! Cannot read Vantle configuration file 'vt-config.txt': larger than "
      "65536 bytes.  Using defaults.",
      "  Frame time: 33"}},
    {items(255, "frame_time : 9, window_title:x,"),
     {"readConfig(): Warning! Vantle configuration file 'vt-config.txt' holds more than 256 "
      "items.  Line 256 and those after it are ignored.",
      "  Frame time: 33", "  Window title: Vantle"}},
    {items(254, "frame_time:9,\nwindow_title:x"), {"  Frame time: 9", "  Window title: x"}},
    {"window_horizontal_chars:100,\nwindow_vertical_chars:40,\nwindow_style:default,",
     {"  Window horizontal characters: 100", "  Window vertical characters: 40",
      "  Window style: default"}},
    {"window_horizontal_chars:100\nwindow_vertical_chars:40\n",  // one item
     {"loadConfig(): Unsupported window horizontal characters '100window_vertical_chars'; "
      "window_horizontal_chars takes a whole number from 1 to 1024.",
      "  Window horizontal characters: 80", "  Window vertical characters: 24"}},
    {"# a comment\nwindow_title:My Game,\r\n\tframe_time : 50 ,frame_time:60,\n\n"
     "logfile:a#b.log,,\nfont_file:C:/fonts/x.ttf,\n",
     {"  Window title: MyGame", "  Frame time: 50", "  Log file: a#b.log", "  Font file: C"}},
    {"window_background_color:yellow,window_style:fullscreen,headless:true,show_mouse:true,"
     "frame_time:0,font_scale:1.5,random_seed:-42,window_vertical_pixels:1,master_volume:40,",
     {"  Window background color: 3", "  Window style: fullscreen", "  Headless: true",
      "  Show mouse: true", "  Frame time: 0", "  Font scale: 1.5", "  Random seed: -42",
      "  Window vertical pixels: 1", "  Master volume: 40"}},
    // A title a window system would end the program over is shown cut.
    {"window_title:" + std::string(257, 't') + ",",
     {"loadConfig(): Unsupported window title '" + std::string(64, 't') +
          "...'; window_title takes at most 256 bytes.",
      "  Window title: Vantle"}},
    {"window_title:" + std::string(256, 't') + ",", {"  Window title: " + std::string(256, 't')}},
    {"frame_time:7,\n\x01\0:\xff,frame_time:9,window_title:x,"s,
     {"readConfig(): Warning! Vantle configuration file 'vt-config.txt' holds a zero byte.  What "
      "follows it is ignored.",
      "  Frame time: 7", "  Window title: Vantle"}},
};

// An item whose value is not of its key's type or range (sizes that would
// exhaust the machine among them), and the refusal's setting and what it
// says the key takes.
struct Refused {
  const char* item;
  const char* what;
  const char* takes;
};

const Refused REFUSED[] = {
    {"frame_time:-5", "frame time", "a whole number from 0 to 10000"},
    {"frame_time:fast", "frame time", "a whole number from 0 to 10000"},
    {"frame_time:10001", "frame time", "a whole number from 0 to 10000"},
    {"frame_time:99999999999", "frame time", "a whole number from 0 to 10000"},
    {"window_horizontal_pixels:wide", "window horizontal pixels", "a whole number from 1 to 16384"},
    {"window_vertical_pixels:-100", "window vertical pixels", "a whole number from 1 to 16384"},
    {"window_vertical_pixels:30000", "window vertical pixels", "a whole number from 1 to 16384"},
    {"window_horizontal_chars:0", "window horizontal characters", "a whole number from 1 to 1024"},
    {"window_vertical_chars:-3", "window vertical characters", "a whole number from 1 to 1024"},
    {"window_vertical_chars:1025", "window vertical characters", "a whole number from 1 to 1024"},
    {"font_scale:big", "font scale", "a number above 0"},
    {"font_scale:0", "font scale", "a number above 0"},
    {"font_scale:nan", "font scale", "a number above 0"},
    {"font_scale:41", "font scale", "a number above 0 giving glyphs of at most 512 pixels"},
    {"headless:yes", "headless", "true or false"},
    {"show_mouse:1", "show mouse", "true or false"},
    {"random_seed:7up", "random seed", "a whole number from -2147483648 to 2147483647"},
    {"log_size_limit:0", "log size limit", "a whole number from 1 to 2147483647"},
    {"window_background_color:Yellow", "window color",
     "black, red, green, yellow, blue, magenta, cyan or white"},
    {"window_style:Huge", "window style", "default or fullscreen"},
    {"master_volume:-3", "master volume", "a whole number from 0 to 100"},
    {"master_volume:101", "master volume", "a whole number from 0 to 100"},
    {"display:screen", "display", "window or terminal"},
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

TEST_F(ConfigTest, AValueNotOfItsKeysTypeOrRangeIsRefusedNamingTheKeyAndTheDefaultIsKept) {
  writeFile("vt-config.txt", "");
  Lines defaults = loadAndPrint();
  for (const Refused& r : REFUSED) {
    std::string item = r.item;
    std::string::size_type colon = item.find(':');
    writeFile("vt-config.txt", item + ",");
    Lines expected{"loadConfig(): Unsupported " + std::string(r.what) + " '" +
                   item.substr(colon + 1) + "'; " + item.substr(0, colon) + " takes " + r.takes +
                   "."};
    expected.insert(expected.end(), defaults.begin(), defaults.end());
    EXPECT_EQ(loadAndPrint(), expected);
  }
}

// A program's --terminal wins over the file, which may only ask for it.
TEST_F(ConfigTest, TheTerminalAskedForOnTheCommandLineStaysWhateverTheFileSays) {
  for (auto [option, file, display] : {std::tuple{"", "", "window"},
                                       {"", "display:terminal,", "terminal"},
                                       {"--terminal", "display:window,", "terminal"},
                                       {"--window", "display:window,", "window"}}) {
    vt::Config::getInstance().reset();
    writeFile("vt-config.txt", file);
    EXPECT_EQ(vt::takeDisplayOption(option), display == std::string("terminal") && *option);
    vt::loadConfig(vt::readConfig());
    EXPECT_EQ(vt::Config::getInstance().getDisplay(), display) << option << " " << file;
  }
}

TEST(TextItems, MatchSkipsEmptyItemsStopsAtAnItemOfColonsAndKeepsItsParse) {
  EXPECT_EQ(vt::match(",,a:1,::b::2:3,c,:::,d:4", "a"), "1");
  EXPECT_EQ(vt::readItem("b"), "2");
  for (const char* key : {"c", "d", "A"}) EXPECT_EQ(vt::readItem(key), "") << key;
  EXPECT_EQ(vt::match("x:9", "a"), "");
}
