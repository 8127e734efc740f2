// Whether OpenAL can open an audio device. Without one, SFML's audio objects
// would each report their failure on standard error, over and over, so the
// engine asks first and then plays silently. Internal to the engine and its
// tests; not part of vantle.h.
#pragma once

namespace vt {

/// Whether the default audio device opens; asked once, at the first call.
/// What the audio libraries say meanwhile on standard error goes to the
/// log, at level 2, and so do their later complaints.
bool audioDeviceAvailable();

/// The loudness, 0 to 100, of everything played, as the device applies it.
void setListenerVolume(float volume);
float getListenerVolume();

}  // namespace vt
