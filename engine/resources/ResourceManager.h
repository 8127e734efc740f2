// Holds the sprites, sounds and music a game loads once at set-up, each
// found again by its label.
#pragma once

#include "core/Manager.h"

namespace vt {

class ResourceManager : public Manager {
 public:
  static ResourceManager& getInstance();

  int startUp() override;
  void shutDown() override;

 private:
  ResourceManager();
};

}  // namespace vt
