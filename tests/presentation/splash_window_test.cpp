#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include "TestSupport.h"
#include "vantle.h"

using namespace vt_test;

namespace {
using SplashWindowTest = InTempDir;

// Counts the green pixels left and right of column 58 in frame 70's picture:
// the name covers columns 17 to 57, the resting emblem 59 to 67.
class Camera : public vt::Object {
 public:
  Camera() { registerInterest(vt::STEP_EVENT); }
  int eventHandler(const vt::Event* p_e) override {
    if (static_cast<const vt::EventStep*>(p_e)->getStepCount() != 69) return 0;
    sf::RenderWindow& window = *vt::GraphicsManager::getInstance().getWindow();
    sf::Image image = captureWindow(window);
    for (unsigned y = 0; y < window.getSize().y; y++)
      for (unsigned x = 0; x < window.getSize().x; x++)
        if (image.getPixel(x, y) == sf::Color::Green) (x < 58 * 12.8 ? name : emblem)++;
    return 1;
  }
  int name = 0, emblem = 0;
};
}  // namespace

TEST_F(SplashWindowTest, ShowsNameAndEmblemInAsManyFramesAsHeadless) {
  REQUIRE_DISPLAY();
  stageFont();
  writeFile("vt-config.txt", "frame_time:0,\n");
  vt::GameManager& game = vt::GameManager::getInstance();
  ASSERT_EQ(game.startUp(), 0);
  Camera* p_camera = new Camera;
  EXPECT_EQ(vt::splash(), 0);
  EXPECT_EQ(game.getStepCount(), 90);
  EXPECT_GT(p_camera->name, 1000);
  EXPECT_GT(p_camera->emblem, 200);
  game.shutDown();
}
