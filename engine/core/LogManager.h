// The engine's diagnostic channel: one log file, each line prefixed with the
// local time and the game loop's frame number. Lines written while the file
// is not open go to standard error in the same format. The file is bounded:
// past the configured size it is moved aside and a new one begun.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <functional>
#include <string>

#include "core/LogFile.h"
#include "core/Manager.h"

#define VT_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))

namespace vt {

class LogManager : public Manager {
 public:
  static LogManager& getInstance();

  ~LogManager() override;

  /// Opens the configured log file, truncating it; when another live
  /// program holds that file, or its folder cannot be written, another file,
  /// said on standard error. On failure the reason is logged.
  int startUp() override;

  /// Writes the last line and closes the file.
  void shutDown() override;

  /// Writes one line; -1 if a write failed, otherwise a non-negative count.
  int writeLog(const char* fmt, ...) VT_PRINTF(2, 3);

  /// Writes one line only when level is at most the log level.
  int writeLog(int level, const char* fmt, ...) VT_PRINTF(3, 4);

  void setLogLevel(int new_log_level);
  int getLogLevel() const;
  /// Turning flushing on also flushes what is buffered.
  void setFlush(bool do_flush = true);
  void setLogTimeString(bool log_time_string = true);
  void setLogStepCount(bool log_step_count = true);
  /// The file the log is written to; empty when it has not been opened.
  std::string getFileName() const;
  /// The open log file's descriptor, for other output to go to it too; -1
  /// when the log is not open.
  int getFileDescriptor() const;
  /// The frame number written on each line; the game manager keeps it
  /// current.
  void setStepCount(int new_step_count);

  /// Also hands each line written to the file, without its line feed, to
  /// echo (a web page's console, say); null for none.
  void setEcho(std::function<void(const std::string& line)> new_echo);

 private:
  LogManager();
  int writeLine(const char* fmt, va_list args);
  void echoLine(const char* time_string, const char* fmt, va_list args);

  LogFile file;
  int log_level;
  bool do_flush;
  bool log_time_string;
  bool log_step_count;
  int step_count;
  std::function<void(const std::string&)> echo;
};

}  // namespace vt
