#include "resources/SfmlErrors.h"

#include <SFML/System/Err.hpp>
#include <cstdlib>
#include <streambuf>
#include <string>

#include "core/LogManager.h"

namespace vt {

namespace {

// Gathers characters into lines and writes each whole line to the log.
class LogLines : public std::streambuf {
 protected:
  int_type overflow(int_type ch) override {
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    if (traits_type::to_char_type(ch) == '\n')
      writeLine();
    else
      line += traits_type::to_char_type(ch);
    return ch;
  }

  std::streamsize xsputn(const char* text, std::streamsize count) override {
    for (std::streamsize i = 0; i < count; i++) overflow(traits_type::to_int_type(text[i]));
    return count;
  }

  // A flush ends no line: SFML flushes after each of its messages' parts.
  int sync() override { return 0; }

 private:
  void writeLine() {
    if (!line.empty()) LogManager::getInstance().writeLog("SFML: %s", line.c_str());
    line.clear();
  }

  std::string line;
};

std::streambuf* p_original = nullptr;

}  // namespace

void sendSfmlErrorsToLog() {
  if (p_original) return;
  // Made the first time, kept to the end: SFML may write at any time.
  static LogLines* p_lines = new LogLines;
  // The log manager, made before this runs, is destroyed after the handler.
  LogManager::getInstance();
  p_original = sf::err().rdbuf(p_lines);
  std::atexit([] { sf::err().rdbuf(p_original); });
}

}  // namespace vt
