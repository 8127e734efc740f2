#include "core/LogManager.h"

#include "core/Config.h"
#include "core/Utility.h"

namespace vt {

LogManager::LogManager()
    : log_level(0), do_flush(false), log_time_string(true), log_step_count(true), step_count(0) {
  setType("LogManager");
}

LogManager::~LogManager() = default;

LogManager& LogManager::getInstance() {
  static LogManager instance;
  return instance;
}

int LogManager::startUp() {
  if (isStarted()) {
    writeLog("LogManager::startup(): Warning! LogManager already started.");
    return -1;
  }
  std::string name = Config::getInstance().getLogFile();
  if (!file.open(name)) {
    writeLog("LogManager::startup(): Warning! Unable to open file '%s'.\n", name.c_str());
    writeLog("LogManager::startup(): %s.", file.getFailure().c_str());
    return -1;
  }
  if (!file.getDetour().empty())
    fprintf(stderr, "LogManager::startup(): %s; logging to '%s'.\n", file.getDetour().c_str(),
            file.getName().c_str());
  Manager::startUp();
  writeLog(1, "LogManager::startUp(): successfully started.");
  return 0;
}

void LogManager::shutDown() {
  Manager::shutDown();
  writeLog(1, "LogManager::shutDown(): successfully stopped.");
  file.close();
}

int LogManager::writeLog(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  int result = writeLine(fmt, args);
  va_end(args);
  return result;
}

int LogManager::writeLog(int level, const char* fmt, ...) {
  if (level > log_level) return 0;
  va_list args;
  va_start(args, fmt);
  int result = writeLine(fmt, args);
  va_end(args);
  return result;
}

int LogManager::writeLine(const char* fmt, va_list args) {
  FILE* stream = file.getStream() ? file.getStream() : stderr;
  const char* time_string = log_time_string ? getTimeString() : "";
  if (echo && stream != stderr) {
    va_list echo_args;
    va_copy(echo_args, args);
    echoLine(time_string, fmt, echo_args);
    va_end(echo_args);
  }
  bool failed = false;
  int count = 0;
  auto add = [&](int written) {
    if (written < 0)
      failed = true;
    else
      count += written;
  };
  if (log_time_string) add(fprintf(stream, "%s ", time_string));
  if (log_step_count) add(fprintf(stream, "%4d ", step_count));
  add(vfprintf(stream, fmt, args));
  add(fprintf(stream, "\n"));
  if (do_flush && fflush(stream) != 0) failed = true;
  if (stream != stderr && file.account(count, Config::getInstance().getLogSizeLimit()))
    writeLog("LogManager::writeLog(): Log file full; the lines before this one are in '%s.1'.",
             file.getName().c_str());
  return failed ? -1 : count;
}

void LogManager::setLogLevel(int new_log_level) { log_level = new_log_level; }

int LogManager::getLogLevel() const { return log_level; }

void LogManager::setFlush(bool new_do_flush) {
  do_flush = new_do_flush;
  if (do_flush && file.getStream()) fflush(file.getStream());
}

void LogManager::setLogTimeString(bool new_log_time_string) {
  log_time_string = new_log_time_string;
}

void LogManager::setLogStepCount(bool new_log_step_count) { log_step_count = new_log_step_count; }

int LogManager::getFileDescriptor() const {
  FILE* p_stream = file.getStream();
  return p_stream ? fileno(p_stream) : -1;
}

std::string LogManager::getFileName() const {
  return isStarted() || file.getStream() ? file.getName() : "";
}

void LogManager::setStepCount(int new_step_count) { step_count = new_step_count; }

void LogManager::setEcho(std::function<void(const std::string&)> new_echo) {
  echo = std::move(new_echo);
}

void LogManager::echoLine(const char* time_string, const char* fmt, va_list args) {
  std::string line;
  if (log_time_string) line = std::string(time_string) + " ";
  char number[16];
  if (log_step_count) line += (snprintf(number, sizeof number, "%4d ", step_count), number);
  va_list measure;
  va_copy(measure, args);
  int length = vsnprintf(nullptr, 0, fmt, measure);
  va_end(measure);
  if (length > 0) {
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    vsnprintf(&text[0], text.size(), fmt, args);
    text.pop_back();
    line += text;
  }
  echo(line);
}

}  // namespace vt
