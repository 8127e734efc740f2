// Feeds arbitrary bytes to the sprite file loader. A file is either refused
// and leaves nothing behind, or loaded as a sprite whose frames all have the
// size its header gave.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "vantle.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Level 10 lets the loader's summary lines through too.
  vt_fuzz::startQuietEngine(10);
  vt::ResourceManager::getInstance().startUp();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
  vt_fuzz::writeFile("sprite.txt", vt_fuzz::textOf(data, size));
  int result = resources.loadSprite("sprite.txt", "fuzz");
  const vt::Sprite* p_sprite = resources.getSprite("fuzz");
  FUZZ_CHECK(result == 0 || result == -1);
  FUZZ_CHECK((result == 0) == (p_sprite != nullptr));
  if (p_sprite) {
    int width = p_sprite->getWidth();
    int height = p_sprite->getHeight();
    FUZZ_CHECK(width > 0 && height > 0 && p_sprite->getFrameCount() > 0);
    for (int i = 0; i < p_sprite->getFrameCount(); i++) {
      vt::Frame frame = p_sprite->getFrame(i);
      FUZZ_CHECK(frame.getWidth() == width && frame.getHeight() == height);
      FUZZ_CHECK(frame.getString().size() ==
                 static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    }
    FUZZ_CHECK(p_sprite->getFrame(-1).getString().empty());
    FUZZ_CHECK(p_sprite->getFrame(p_sprite->getFrameCount()).getString().empty());
  }
  // Each input starts from an empty store, far from the sprite limit.
  resources.shutDown();
  resources.startUp();
  return 0;
}
