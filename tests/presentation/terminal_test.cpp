// The terminal output's parts on their own: the key decoder, the held keys,
// the cells a frame gives and the bytes the writer puts out for them.

#include "TestSupport.h"
#include "presentation/terminal/CellWriter.h"
#include "presentation/terminal/HeldKeys.h"
#include "presentation/terminal/KeyDecoder.h"

using E = vt::TerminalEvent;
namespace K = vt::KeyCode;

TEST(KeyDecoder, TurnsTheTerminalsBytesIntoKeysAndMouseReports) {
  // '|' splits the bytes into reads; whatever is left is flushed at the end.
  const std::pair<std::string, std::vector<E>> rows[] = {
      {"aZ7 ",
       {{E::KEY_PRESS, K::A},
        {E::KEY_PRESS, K::Z, E::SHIFT},
        {E::KEY_PRESS, K::NUM_0 + 7},
        {E::KEY_PRESS, K::SPACE}}},
      {"\r\t\x7f!,",
       {{E::KEY_PRESS, K::ENTER},
        {E::KEY_PRESS, K::TAB},
        {E::KEY_PRESS, K::BACKSPACE},
        {E::KEY_PRESS, K::NUM_0 + 1, E::SHIFT},
        {E::KEY_PRESS, K::COMMA}}},
      {"\x03\x1a\x1bx",
       {{E::KEY_PRESS, K::A + 2, E::CONTROL},
        {E::KEY_PRESS, K::Z, E::CONTROL},
        {E::KEY_PRESS, K::A + 23, E::ALT}}},
      {"\x1b[A\x1bOB\x1b[1;5C\x1b[H",
       {{E::KEY_PRESS, K::UP},
        {E::KEY_PRESS, K::DOWN},
        {E::KEY_PRESS, K::RIGHT, E::CONTROL},
        {E::KEY_PRESS, K::HOME}}},
      {"\x1bOP\x1b[15~\x1b[24~\x1b[3~",
       {{E::KEY_PRESS, K::F1},
        {E::KEY_PRESS, K::F1 + 4},
        {E::KEY_PRESS, K::F1 + 11},
        {E::KEY_PRESS, K::DELETE}}},
      {"\x1b|", {{E::KEY_PRESS, K::ESCAPE}}},
      {"\x1b\x1b[|1;|2D", {{E::KEY_PRESS, K::ESCAPE}, {E::KEY_PRESS, K::LEFT, E::SHIFT}}},
      {"\x1b[100;1:2u\x1b[100;5:3u\x1b[27u\x1b[57441u\x1b[1;1:3A",
       {{E::KEY_REPEAT, K::A + 3},
        {E::KEY_RELEASE, K::A + 3, E::CONTROL},
        {E::KEY_PRESS, K::ESCAPE},
        {E::KEY_PRESS, K::LEFT_SHIFT},
        {E::KEY_RELEASE, K::UP}}},
      {"\x1b[?11u", {{E::KEYBOARD_FLAGS, 11}}},
      {"\x1b[<0;5;3M\x1b[<2;5;3m\x1b[<35;80;24M\x1b[<64;1;1M",
       {{E::MOUSE_PRESS, 0, 0, 4, 2},
        {E::MOUSE_RELEASE, 1, 0, 4, 2},
        {E::MOUSE_MOVE, -1, 0, 79, 23}}},
      {"\xc3\xa9q\x1b[99X", {{E::KEY_PRESS, K::A + 16}}},
  };
  for (const auto& [bytes, expected] : rows) {
    vt::KeyDecoder decoder;
    std::vector<E> events;
    std::istringstream reads(bytes);
    for (std::string read; std::getline(reads, read, '|');)
      decoder.feed(read.data(), read.size(), events);
    decoder.flush(events);
    EXPECT_EQ(events, expected) << "bytes " << ::testing::PrintToString(bytes);
  }
}

TEST(HeldKeys, AKeyIsHeldFromItsPressesUntilItsRepeatsOrItsReleaseStop) {
  using ms = std::chrono::milliseconds;
  struct Row {
    bool releases;                           // the terminal reports them
    std::vector<int> presses, releases_at;   // milliseconds
    std::vector<std::pair<int, bool>> down;  // at a millisecond, whether down
    int fresh;                               // presses that are new
    int released_at;                         // when its release is reported, -1 never
  };
  const Row rows[] = {
      {false, {0}, {}, {{30, true}, {60, false}}, 1, 700},          // a tap
      {false, {0, 400}, {}, {{420, true}, {460, false}}, 1, 1100},  // a second tap continues
      {false,
       {0, 500, 540, 580},
       {},
       {{300, false}, {520, true}, {700, true}, {740, false}},
       1,
       730},
      {true, {0, 500}, {900}, {{300, true}, {899, true}, {901, false}}, 1, 900},
  };
  for (const Row& row : rows) {
    vt::HeldKeys held;
    held.setReleaseReports(row.releases);
    auto start = std::chrono::steady_clock::time_point();
    const int key = K::A + 22;
    int fresh = 0, released_at = -1;
    std::vector<int> released;
    for (int t = 0; t <= 2000; t++) {
      auto now = start + ms(t);
      for (int p : row.presses) fresh += p == t && held.press(key, now);
      for (int r : row.releases_at)
        if (r == t && held.release(key)) released_at = t;
      held.expire(now, released);
      if (!released.empty() && released_at < 0) released_at = t;
      for (const auto& [at, down] : row.down)
        EXPECT_TRUE(at != t || held.isDown(key, now) == down) << "at " << t << " ms";
    }
    EXPECT_EQ(fresh, row.fresh);
    EXPECT_EQ(released_at, row.released_at);
  }
}

namespace {
// Cells from text and a colour digit per character, on black.
std::vector<vt::TermCell> cellsOf(const std::string& text, const std::string& colors) {
  std::vector<vt::TermCell> cells;
  for (std::size_t i = 0; i < text.size(); i++)
    cells.push_back({text[i], vt::colorRGB(static_cast<vt::Color>(colors[i] - '0')), 0});
  return cells;
}
}  // namespace

TEST(CellWriter, WritesOnlyWhatChangedTheShortestWay) {
  struct Row {
    std::string before, before_colors;  // empty: nothing written yet
    std::string after, after_colors;
    int left, top;
    bool true_color;
    std::string bytes;
  };
  // 4 by 2 cells.
  const Row rows[] = {
      {"", "", "ab      ", "71777777", 0, 0, false, "\x1b[0;40m\x1b[2J\x1b[H\x1b[37ma\x1b[31mb"},
      {"", "", "a       ", "37777777", 2, 1, true,
       "\x1b[0;48;2;0;0;0m\x1b[2J\x1b[2;3H\x1b[38;2;255;255;0ma"},
      {"ab      ", "71777777", "ab      ", "71777777", 0, 0, false, ""},
      {"ab      ", "71777777", "ab c    ", "71117777", 0, 0, false, "\x1b[Cc"},
      {"ab  e   ", "71777777", "xb  f   ", "71777777", 0, 0, false, "\x1b[Hx\r\nf"},
      {"a   e   ", "77777777", "bcdef   ", "77777777", 2, 0, false, "\x1b[1;3Hbcde\x1b[2;3Hf"},
      {"ab      ", "77777777", "a  z    ", "77777777", 2, 0, false, "\x1b[1;4H  z"},
      {"abcd    ", "71177777", "xbcy    ", "71177777", 0, 0, false, "\x1b[Hx\x1b[2Cy"},
      {"abcd    ", "77777777", "abce\xe9\x01  ", "77777777", 0, 0, false,
       "\x1b[1;4He\r\n\xc3\xa9?"},
  };
  for (const Row& row : rows) {
    vt::CellWriter writer;
    writer.setTrueColor(row.true_color);
    std::string bytes;
    if (!row.before.empty())
      writer.write(cellsOf(row.before, row.before_colors), 4, 2, row.left, row.top, bytes);
    bytes.clear();
    writer.write(cellsOf(row.after, row.after_colors), 4, 2, row.left, row.top, bytes);
    EXPECT_EQ(bytes, row.bytes) << row.before << " then " << row.after;
  }
}

TEST(TerminalCells, ShapesFillTheCellsTheyCoverInDrawingOrder) {
  // A diamond over the middles of cells 0 and 1 of cells 10 pixels square,
  // and one too small for any middle, in cell 3.
  const vt::ScreenShape diamond{4, 10, 0, 0, -5, 0, 0, 255, 255, 0};
  const vt::ScreenShape dot{3, 1, 0, 30, 0, 0, 0, 255, 255, 0};
  struct Put {
    float x;
    char ch;  // '\0' for the diamond, '.' for the dot
  };
  const std::pair<std::vector<Put>, std::string> rows[] = {
      {{{0, 'a'}, {1, 'b'}, {0, '\0'}}, "##  "},  // '#': the shape's colour, no character
      {{{0, '\0'}, {1, 'b'}, {2.4f, 'c'}}, "#bc "},
      {{{3, 'd'}, {0, '.'}}, "   #"},
      {{{0, '.'}, {3, 'd'}}, "   d"},
  };
  for (const auto& [puts, expected] : rows) {
    vt::Screen screen(4, 1);
    for (const Put& put : puts) {
      if (put.ch == '\0')
        screen.putShape(diamond);
      else if (put.ch == '.')
        screen.putShape(dot);
      else
        screen.putChar(put.x, 0, put.ch, vt::RED);
    }
    std::vector<vt::TermCell> cells;
    vt::composeCells(screen, 10, 10, vt::GREEN, cells);
    std::string shown;  // '?': a cell on neither the shape's colour nor the window's
    for (const vt::TermCell& cell : cells)
      shown += cell.bg == 0x0000ff ? '#' : cell.bg == 0x00ff00 ? cell.ch : '?';
    EXPECT_EQ(shown, expected);
  }
}
