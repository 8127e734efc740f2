// The web output's parts that name nothing of the browser: what the canvas
// draws of a frame, and the page's keys and buttons as key codes.
#include "TestSupport.h"
#include "presentation/web/CanvasPlan.h"
#include "presentation/web/DomKeys.h"

namespace {

using Draw = std::function<void(vt::Screen&)>;

void hero(vt::Screen& s) { s.putChar(1, 0, '@', vt::CYAN); }
void wall(vt::Screen& s) { s.putChar(2, 1, '|', vt::WHITE); }
vt::ScreenShape square() { return {4, 5.0f, 45.0f, 10.0f, 20.0f, 1, 2, 3, 255, 0}; }

}  // namespace

// After the first frame a canvas draws only the cells whose character, or
// the colour of a character with ink, changed; characters between cells or
// shapes, in the frame or the one before, and a new size make it draw the
// frame whole.
TEST(CanvasPlanTest, OnlyChangedCellsAreDrawnUntilAFrameNeedsDrawingWhole) {
  struct Row {
    const char* what;
    Draw before, frame;
    bool invalidated;
    bool whole;
    std::vector<std::int32_t> changed;
  };
  const Draw nothing = [](vt::Screen&) {};
  const std::vector<Row> rows = {
      {"the same frame", hero, hero, false, false, {}},
      {"a character moved", hero, [](vt::Screen& s) { s.putChar(2, 0, '@', vt::CYAN); }, false,
       false, {1, 2}},
      {"a colour changed", hero, [](vt::Screen& s) { s.putChar(1, 0, '@', vt::RED); }, false,
       false, {1}},
      {"a blank recoloured", [](vt::Screen& s) { s.putChar(0, 1, ' ', vt::RED); }, nothing,
       false, false, {}},
      {"drawn again in another order", [](vt::Screen& s) { hero(s), wall(s); },
       [](vt::Screen& s) { wall(s), hero(s); }, false, false, {}},
      {"the canvas lost its picture", hero, hero, true, true, {}},
      {"a character between cells", hero, [](vt::Screen& s) { s.putChar(1.5f, 0, 'x', vt::RED); },
       false, true, {}},
      {"the frame after one", [](vt::Screen& s) { s.putChar(1.5f, 0, 'x', vt::RED); }, hero,
       false, true, {}},
      {"a shape", hero, [](vt::Screen& s) { s.putShape(square()); }, false, true, {}},
  };
  for (const Row& row : rows) {
    vt::Screen before(4, 2), frame(4, 2);
    row.before(before);
    row.frame(frame);
    vt::CanvasPlan plan;
    plan.plan(before);
    EXPECT_TRUE(plan.isWhole()) << row.what;
    if (row.invalidated) plan.invalidate();
    plan.plan(frame);
    EXPECT_EQ(plan.isWhole(), row.whole) << row.what;
    EXPECT_EQ(plan.getChanged(), row.changed) << row.what;
  }
  vt::Screen wider(5, 2);
  vt::CanvasPlan plan;
  plan.plan(vt::Screen(4, 2));
  plan.plan(wider);
  EXPECT_TRUE(plan.isWhole());
}

// A frame drawn whole lists its characters and shapes in drawing order, a
// character drawn again in its nearest cell before the next shape hiding
// the one before; the grid holds each cell's character, colour and order.
TEST(CanvasPlanTest, AWholeFrameKeepsTheDrawingOrderAndTheGridItsCells) {
  vt::Screen frame(4, 2);
  frame.putChar(1, 0, '@', vt::CYAN);
  frame.putChar(1.25f, 0, 'k', vt::RED);
  frame.putShape(square());
  frame.putChar(1, 0, 'x', vt::CUSTOM);
  vt::CanvasPlan plan;
  plan.plan(frame);
  const std::vector<double> ops = {vt::CanvasPlan::CHAR,  1,    0, ' ', 0x00FFFF,
                                   vt::CanvasPlan::CHAR,  1.25, 0, 'k', 0xFF0000,
                                   vt::CanvasPlan::SHAPE, 4,    5, 45,  10, 20, 0x010203FF,
                                   vt::CanvasPlan::CHAR,  1,    0, 'x', 0xFFFFFF};
  EXPECT_EQ(plan.getOps(), ops);
  const std::vector<std::int32_t>& grid = plan.getGrid();
  ASSERT_EQ(grid.size(), 8u * vt::CanvasPlan::CELL_FIELDS);
  EXPECT_EQ(std::vector<std::int32_t>(grid.begin() + 3, grid.begin() + 6),
            (std::vector<std::int32_t>{'x', 0xFFFFFF, 2}));
  EXPECT_EQ(grid[0], ' ');
}

// Keys by where they are on the keyboard, whatever it prints; buttons by
// the page's numbering, the middle one before the right.
TEST(DomKeysTest, PageKeysAndButtonsBecomeTheEnginesCodes) {
  const std::vector<std::pair<const char*, int>> keys = {
      {"KeyA", vt::KeyCode::A},          {"KeyW", vt::KeyCode::A + 22},
      {"KeyZ", vt::KeyCode::Z},          {"Digit0", vt::KeyCode::NUM_0},
      {"Digit9", vt::KeyCode::NUM_9},    {"Numpad7", vt::KeyCode::NUMPAD_0 + 7},
      {"F1", vt::KeyCode::F1},           {"F12", vt::KeyCode::F1 + 11},
      {"F15", vt::KeyCode::F15},         {"ArrowUp", vt::KeyCode::UP},
      {"ArrowLeft", vt::KeyCode::LEFT},  {"Escape", vt::KeyCode::ESCAPE},
      {"Backquote", vt::KeyCode::TILDE}, {"Minus", vt::KeyCode::HYPHEN},
      {"NumpadSubtract", vt::KeyCode::SUBTRACT}, {"NumpadEnter", vt::KeyCode::ENTER},
      {"ShiftRight", vt::KeyCode::RIGHT_SHIFT}, {"Pause", vt::KeyCode::PAUSE},
      {"F16", vt::KeyCode::UNKNOWN},     {"KeyAB", vt::KeyCode::UNKNOWN},
      {"Unidentified", vt::KeyCode::UNKNOWN}, {"", vt::KeyCode::UNKNOWN},
  };
  for (const auto& [dom, code] : keys) EXPECT_EQ(vt::keyCodeOfDom(dom), code) << dom;
  const std::vector<std::pair<int, int>> buttons = {
      {0, vt::Mouse::LEFT}, {1, vt::Mouse::MIDDLE}, {2, vt::Mouse::RIGHT}, {4, 4}, {5, -1}, {-1, -1}};
  for (const auto& [dom, button] : buttons) EXPECT_EQ(vt::buttonOfDom(dom), button) << dom;
}
