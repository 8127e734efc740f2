// Platform services the engine needs from the operating system: timer
// resolution, millisecond sleeps, the UTC wall clock, the signals that ask a
// program to stop, and the program's name and folders.
#pragma once

#include <string>

namespace vt {

/// Result of a timer-resolution request the platform cannot grant.
constexpr unsigned TIMER_CANNOT_ACCEPT = 97;

/// UTC wall-clock time, only the parts the engine clock reads.
struct SystemTime {
  int minute = 0;
  int second = 0;
  int milliseconds = 0;
};

/// Asks for the given timer resolution in milliseconds; 0 on success or
/// TIMER_CANNOT_ACCEPT. Linux timers are already that fine, so it succeeds.
unsigned timeBeginPeriod(unsigned milliseconds);

/// Releases a resolution asked for with timeBeginPeriod.
unsigned timeEndPeriod(unsigned milliseconds);

/// Suspends the calling thread for the given number of milliseconds, or
/// until a stop signal arrives.
void sleepMilliseconds(int milliseconds);

/// From now on SIGINT, SIGTERM and SIGHUP are noted instead of ending the
/// program at once, so that it can stop in good order; a second one ends it.
/// A signal the program was started ignoring (as under nohup) stays ignored.
void catchStopSignals();

/// The first stop signal noted, 0 while there is none.
int getStopSignal();

/// Current UTC time.
SystemTime getSystemTime();

/// The running program's file name without its folder; "vantle" when it
/// cannot be told.
std::string getProgramName();

/// A folder of the user's below $XDG_VARIABLE when that holds an absolute
/// path, else below $HOME/home_below; empty without either.
std::string getUserFolder(const char* variable, const char* home_below);

/// Where the program keeps what it writes when its own folder cannot take
/// it: getProgramName() below $XDG_STATE_HOME or ~/.local/state; empty
/// without either.
std::string getStateFolder();

}  // namespace vt
