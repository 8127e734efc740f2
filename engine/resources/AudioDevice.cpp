#include "resources/AudioDevice.h"

#include <AL/alc.h>

namespace vt {

bool audioDeviceAvailable() {
  // SFML opens the device again for itself when the first sound is made.
  static const bool available = [] {
    ALCdevice* p_device = alcOpenDevice(nullptr);
    if (!p_device) return false;
    alcCloseDevice(p_device);
    return true;
  }();
  return available;
}

}  // namespace vt
