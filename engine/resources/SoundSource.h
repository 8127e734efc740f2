// Whether a sound or a music track is stopped, paused or playing. On the
// desktop this is SFML's own status, which Sound and Music answer with; a
// build without SFML (the web page's) has an engine type of the same names
// and values. Either way a game writes vt::SoundSource::Paused.
#pragma once

#if VANTLE_WEB
namespace vt {
struct SoundSource {
  enum Status { Stopped, Paused, Playing };
};
}  // namespace vt
#else
#include <SFML/Audio/SoundSource.hpp>
namespace vt {
using SoundSource = sf::SoundSource;
}  // namespace vt
#endif
