#include "ConsoleRun.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace consolebench {

namespace {
// Printable ASCII from '!' on, so that no cell is blank.
const int FIRST_CHARACTER = '!';
const int CHARACTER_COUNT = '~' - '!' + 1;
// Even a slow case shows its rate over more than a frame or two.
const int MIN_WARMUP_FRAMES = 3;
const int MIN_TIMED_FRAMES = 5;

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

// User and system time of the whole process, every thread.
double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs frames until both the time and the count are reached; the count run.
int runFor(double duration, int min_frames, int first_frame, bool changing,
           const std::function<void(int)>& draw) {
  Clock::time_point start = Clock::now();
  int count = 0;
  while (count < min_frames || seconds(start, Clock::now()) < duration) {
    draw(changing ? first_frame + count : 0);
    count++;
  }
  return count;
}
}  // namespace

bool readSettings(int argc, char** argv, RunSettings& settings) {
  bool ok = argc >= 4 && argc <= 6;
  if (ok) {
    settings.columns = std::atoi(argv[1]);
    settings.rows = std::atoi(argv[2]);
    settings.changing = std::strcmp(argv[3], "changing") == 0;
    ok = settings.columns > 0 && settings.rows > 0 &&
         (settings.changing || std::strcmp(argv[3], "static") == 0);
  }
  if (ok && argc > 4) settings.seconds = std::atof(argv[4]);
  if (ok && argc > 5) settings.warmup = std::atof(argv[5]);
  ok = ok && settings.seconds > 0 && settings.warmup >= 0;
  if (!ok)
    std::fprintf(stderr, "usage: %s COLUMNS ROWS changing|static [SECONDS [WARMUP]]\n",
                 argc > 0 ? argv[0] : "console");
  return ok;
}

char cellCharacter(int column, int row, int frame) {
  return static_cast<char>(FIRST_CHARACTER + (column * 7 + row * 13 + frame) % CHARACTER_COUNT);
}

int cellColor(int column, int row, int frame) { return (column + row * 3 + frame) % COLOR_COUNT; }

void timeFrames(const RunSettings& settings, const std::function<void(int frame)>& draw) {
  int warm = runFor(settings.warmup, MIN_WARMUP_FRAMES, 0, settings.changing, draw);
  double cpu_start = cpuSeconds();
  Clock::time_point start = Clock::now();
  int frames = runFor(settings.seconds, MIN_TIMED_FRAMES, warm, settings.changing, draw);
  double wall = seconds(start, Clock::now());
  double cpu = cpuSeconds() - cpu_start;
  std::printf("frames %d seconds %.3f fps %.2f cpu_ms %.3f\n", frames, wall, frames / wall,
              cpu * 1000 / frames);
  std::fflush(stdout);
}

}  // namespace consolebench
