// Platform services the engine needs from the operating system: timer
// resolution, millisecond sleeps, the UTC wall clock and the signals that
// ask a program to stop.
#pragma once

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
void catchStopSignals();

/// The first stop signal noted, 0 while there is none.
int getStopSignal();

/// Current UTC time.
SystemTime getSystemTime();

}  // namespace vt
