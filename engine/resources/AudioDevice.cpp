#include "resources/AudioDevice.h"

#include <AL/alc.h>

#include <SFML/Audio/Listener.hpp>
#include <sstream>

#include "core/LogManager.h"
#include "core/StderrCapture.h"
#include "resources/SfmlErrors.h"

namespace vt {

bool audioDeviceAvailable() {
  // SFML's own complaints (a file it cannot decode) go to the log too.
  sendSfmlErrorsToLog();
  // SFML opens the device again for itself when the first sound is made.
  static const bool available = [] {
    bool opened = false;
    // Without a device, ALSA and OpenAL each say so on standard error.
    std::istringstream said(captureStderr([&opened] {
      ALCdevice* p_device = alcOpenDevice(nullptr);
      opened = p_device != nullptr;
      if (p_device) alcCloseDevice(p_device);
    }));
    for (std::string line; std::getline(said, line);)
      LogManager::getInstance().writeLog(2, "audioDeviceAvailable(): %s", line.c_str());
    return opened;
  }();
  return available;
}

void setListenerVolume(float volume) { sf::Listener::setGlobalVolume(volume); }

float getListenerVolume() { return sf::Listener::getGlobalVolume(); }

}  // namespace vt
