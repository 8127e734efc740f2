// SFML tells of its troubles on its own error stream, sf::err(), which is
// standard error: a display without vertical sync, an audio file it cannot
// decode. The engine sends them to its log instead, so that a game's
// terminal stays quiet. Internal to the engine; not part of vantle.h.
#pragma once

namespace vt {

/// From now on each line SFML writes to its error stream becomes a log line
/// "SFML: <line>"; calling it again changes nothing. At program exit the
/// stream goes back to standard error, before the log is gone.
void sendSfmlErrorsToLog();

}  // namespace vt
