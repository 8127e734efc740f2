// Some libraries tell of a missing device on standard error, straight to
// its file descriptor, whatever the program would rather they did: ALSA and
// OpenAL each write several lines when there is no sound card. The engine
// runs such a probe with standard error caught, and logs what it said.
// Internal to the engine; not part of vantle.h.
#pragma once

#include <functional>
#include <string>

namespace vt {

/// Runs work with the process's standard error going to an unnamed
/// temporary file, and puts it back afterwards; what work wrote there. When
/// no temporary file can be had, work runs with standard error as it is.
std::string captureStderr(const std::function<void()>& work);

}  // namespace vt
