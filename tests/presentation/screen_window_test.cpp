// The screen of cells behind the picture: what it reads as, and the frames
// the window composes in memory against the same frames drawn through its
// renderer, which stays the reference.
#include "TestSupport.h"
#include "XServer.h"
#include "presentation/window/WindowOutput.h"

using namespace vt_test;
using vt::Vector;

namespace {
// Cells of 8 x 16 pixels, which the window composes in memory.
class ScreenWindowTest : public InTempDir {
 protected:
  void open(int columns, int rows) {
    REQUIRE_DISPLAY();
    stageFont();
    startPlainLog();
    vt::Config& config = vt::Config::getInstance();
    config.setWindowHorizontalChars(columns);
    config.setWindowVerticalChars(rows);
    config.setWindowHorizontalPixels(columns * 8);
    config.setWindowVerticalPixels(rows * 16);
    ASSERT_EQ(graphics.startUp(), 0);
    vt::WorldManager::getInstance().setView(vt::Box(Vector(), 80, 24));
  }
  void TearDown() override {
    graphics.shutDown();
    InTempDir::TearDown();
  }

  std::vector<std::uint32_t> shown() {
    const vt::Screen& screen = graphics.getScreen();
    return windowPixels(graphics.peekWindow()->getSystemHandle(), screen.getWidth() * 8,
                        screen.getHeight() * 16);
  }

  vt::GraphicsManager& graphics = vt::GraphicsManager::getInstance();
};

struct Put {
  float x, y;
  char ch;
  vt::Color color;
};

// Frames that each change a few cells of the one before, redraw cells in
// another order, take characters between cells (on whole pixels, and once
// not) and leave cells blank.
std::vector<std::vector<Put>> randomFrames(unsigned seed) {
  std::mt19937 random(seed);
  const std::string glyphs = " W@gjMm|_#%Q\xC0\xE9y,";
  auto any = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  auto put = [&] {
    return Put{static_cast<float>(any(40)), static_cast<float>(any(20)),
               glyphs[static_cast<std::size_t>(any(static_cast<int>(glyphs.size())))],
               static_cast<vt::Color>(any(9))};
  };
  std::vector<Put> next;
  for (int i = 0; i < 500; i++) next.push_back(put());
  std::vector<std::vector<Put>> frames(1, next);
  for (int f = 1; f < 12; f++) {
    for (int i = 0; i < 6; i++) next[static_cast<std::size_t>(any(500))] = put();
    if (f % 3 == 0) std::reverse(next.begin() + any(250), next.end() - any(250));
    frames.push_back(next);
    if (f % 4 == 1) frames.back().push_back({any(40) + 0.5f, any(20) + 0.25f, 'W', vt::RED});
    if (f == 7) frames.back().push_back({10.3f, 3, 'g', vt::GREEN});
  }
  return frames;
}
}  // namespace

TEST_F(ScreenWindowTest, FramesComposedInMemoryMatchTheRenderersPixelForPixel) {
  if (!VANTLE_X11) GTEST_SKIP() << "built without X11: nothing is composed in memory";
  open(40, 20);
  if (HasFatalFailure() || IsSkipped()) return;
  vt::WindowOutput& output = dynamic_cast<vt::WindowOutput&>(*graphics.getOutput());
  for (unsigned seed : {1u, 2u, 3u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::vector<std::vector<Put>> frames = randomFrames(seed);
    std::vector<std::vector<std::uint32_t>> drawn;
    output.setComposing(false);
    for (const std::vector<Put>& frame : frames) {
      for (const Put& p : frame) graphics.drawCh(Vector(p.x, p.y), p.ch, p.color);
      graphics.swapBuffers();
      drawn.push_back(shown());
    }
    output.setComposing(true);
    int composed = 0;
    for (std::size_t f = 0; f < frames.size(); f++) {
      for (const Put& p : frames[f]) graphics.drawCh(Vector(p.x, p.y), p.ch, p.color);
      graphics.swapBuffers();
      composed += output.composesInMemory(graphics.getScreen());
      ASSERT_EQ(shown(), drawn[f]) << "frame " << f;
    }
    EXPECT_EQ(composed, static_cast<int>(frames.size()) - 1) << "all but the frame off whole pixels";
  }
  // A window of another size shows the picture scaled, through its renderer.
  for (const sf::Vector2u size : {sf::Vector2u(640, 320), sf::Vector2u(320, 640)}) {
    graphics.peekWindow()->setSize(size);
    graphics.fitWindow(size.x, size.y);
    graphics.swapBuffers();
    EXPECT_FALSE(output.composesInMemory(graphics.getScreen())) << size.x << " x " << size.y;
  }
}

// The last frame shown reads as text: a later character takes its cell,
// characters between cells and shapes are kept in drawing order.
TEST_F(ScreenWindowTest, TheLastFrameShownReadsAsItsCellsAndItsCharactersBetweenThem) {
  open(40, 20);
  if (HasFatalFailure() || IsSkipped()) return;
  graphics.drawString(Vector(2, 1), "Hello", vt::LEFT_JUSTIFIED, vt::YELLOW);
  graphics.drawCh(Vector(3, 1), 'a', vt::RED);
  graphics.drawCh(Vector(6.25f, 1), '!', vt::BLUE);  // later than the 'o' of its nearest cell
  graphics.drawCh(Vector(5.5f, 2.25f), '#', vt::GREEN);
  vt::Shape shape;
  shape.draw(Vector(4, 4));
  graphics.drawCh(Vector(39.75f, 5), 'x', vt::GREEN);  // nearest to no cell of its row
  graphics.drawCh(Vector(39, 19), 'z', vt::CUSTOM);
  std::string blank;
  for (int y = 0; y < 20; y++) blank += std::string(40, ' ') + '\n';
  EXPECT_EQ(graphics.getScreen().getText(), blank) << "nothing shown yet";
  graphics.swapBuffers();
  const vt::Screen& screen = graphics.getScreen();
  EXPECT_EQ(screen.getRow(1), "  Hall!" + std::string(33, ' '));
  EXPECT_EQ(screen.getRow(6), std::string(40, ' '));
  EXPECT_EQ(screen.getRow(19).back(), 'z');
  EXPECT_EQ(screen.getRow(20), "");
  EXPECT_EQ(screen.getCell(3, 1).color, vt::RED);
  EXPECT_EQ(screen.getCell(2, 1).color, vt::YELLOW);
  EXPECT_FALSE(screen.getCell(0, 0).drawn);
  std::vector<vt::ScreenChar> off = screen.getOffGrid();
  ASSERT_EQ(off.size(), 3u);
  EXPECT_TRUE(off[1].x == 5.5f && off[1].y == 2.25f && off[1].ch == '#');
  EXPECT_EQ(screen.getRow(2)[6], '#') << "read in its nearest cell";
  ASSERT_EQ(screen.getShapes().size(), 1u);
  EXPECT_EQ(screen.getShapes()[0].chars_before, 8u);
  graphics.swapBuffers();
  EXPECT_EQ(graphics.getScreen().getText(), blank);
  EXPECT_TRUE(graphics.getScreen().getShapes().empty());
}

// The largest console: every cell on the screen, and its far corner's
// glyph in the window.
TEST_F(ScreenWindowTest, AConsoleOf320By200CellsIsShownWhole) {
  open(320, 200);
  if (HasFatalFailure() || IsSkipped()) return;
  // Placed where the whole of it is on the screen, to be read back.
  graphics.peekWindow()->setPosition(sf::Vector2i(0, 0));
  for (int y = 0; y < 200; y++)
    graphics.drawString(Vector(0, static_cast<float>(y)), std::string(320, 'M'),
                        vt::LEFT_JUSTIFIED, vt::WHITE);
  graphics.swapBuffers();
  for (int y = 0; y < 200; y++) ASSERT_EQ(graphics.getScreen().getRow(y), std::string(320, 'M'));
  std::vector<std::uint32_t> pixels = shown();
  ASSERT_EQ(pixels.size(), 2560u * 3200u);
  int lit = 0;
  for (int y = 3200 - 16; y < 3200; y++)
    for (int x = 2560 - 8; x < 2560; x++) lit += pixels[static_cast<std::size_t>(y * 2560 + x)] != 0;
  EXPECT_GT(lit, 20);
}
