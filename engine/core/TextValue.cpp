#include "core/TextValue.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/LogManager.h"
#include "core/Utility.h"

namespace vt {

namespace {

// The parse shared by every caller of match(): one parse, many lookups.
std::vector<std::string> parsed_keys;
std::vector<std::string> parsed_values;

// Pieces of text between separators; empty pieces are dropped.
std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> pieces;
  std::string::size_type start = 0;
  while (start <= text.size()) {
    std::string::size_type end = text.find(separator, start);
    if (end == std::string::npos) end = text.size();
    if (end > start) pieces.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return pieces;
}

void parse(std::string text) {
  LogManager& log = LogManager::getInstance();
  // The text is handled as a C string: anything after a zero char is ignored.
  text = text.substr(0, text.find('\0'));
  std::string compact;
  for (char c : text)
    if (!std::isspace(static_cast<unsigned char>(c))) compact += c;

  parsed_keys.clear();
  parsed_values.clear();
  int elements = 1;
  for (char c : compact)
    if (c == ',') elements++;
  log.writeLog(15, "match(): number of elements allocated is %d", elements);

  int number = 0;
  for (const std::string& item : split(compact, ',')) {
    std::vector<std::string> parts = split(item, ':');
    if (parts.empty()) break;
    std::string value = parts.size() > 1 ? parts[1] : "";
    log.writeLog(15, "\titem number %d", number);
    log.writeLog(15, "\tkey %s", parts[0].c_str());
    log.writeLog(15, "\tval %s", value.c_str());
    log.writeLog(17, "\titem '%s' stored as %d", item.c_str(), number);
    parsed_keys.push_back(parts[0]);
    parsed_values.push_back(value);
    number++;
  }
  log.writeLog(15, "match(): parsed.");
  for (std::size_t i = 0; i < parsed_keys.size(); i++)
    log.writeLog(17, "\t%d  %s : %s", static_cast<int>(i), parsed_keys[i].c_str(),
                 parsed_values[i].c_str());
}

// Numbers are formatted as toString() formats them (the default stream
// format, six significant digits for a float), but without building a stream
// for each value, which made up most of the time of writing a line.
template <typename T>
std::string formatNumber(T value) {
  char buffer[32];
  std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// As printf's %.6g, which is what to_chars does with these arguments; some
// standard libraries (the web build's) have no to_chars for floats.
std::string formatFloat(float value) {
  char buffer[32];
  int length = std::snprintf(buffer, sizeof buffer, "%.6g", static_cast<double>(value));
  return std::string(buffer, static_cast<std::size_t>(length));
}

const char* const COLOR_NAMES[] = {"black", "red",     "green", "yellow",
                                   "blue",  "magenta", "cyan",  "white"};

}  // namespace

std::string match(std::string text, std::string key) {
  LogManager& log = LogManager::getInstance();
  if (!text.empty()) {
    log.writeLog(15, "match(): parsing '%s' for key '%s'", text.c_str(), key.c_str());
    parse(text);
  }
  log.writeLog(15, "match(): Looking for match '%s' among %d items.", key.c_str(),
               static_cast<int>(parsed_keys.size()));
  for (std::size_t i = 0; i < parsed_keys.size(); i++) {
    log.writeLog(17, "match(): %d: %s == %s?", static_cast<int>(i), key.c_str(),
                 parsed_keys[i].c_str());
    if (parsed_keys[i] == key) return parsed_values[i];
  }
  return "";
}

std::string readItem(const std::string& key) { return match("", key); }

std::string readWholeItem(const std::string& text, const std::string& key) {
  std::string::size_type end = text.find('\0');
  std::string::size_type start = 0;
  while (start < end && start < text.size()) {
    std::string::size_type comma = text.find(',', start);
    if (comma == std::string::npos || comma > end) comma = std::min(end, text.size());
    std::string item;
    for (std::string::size_type i = start; i < comma; i++)
      if (!std::isspace(static_cast<unsigned char>(text[i]))) item += text[i];
    start = comma + 1;
    if (item.empty()) continue;
    std::string::size_type key_start = item.find_first_not_of(':');
    if (key_start == std::string::npos) break;  // only colons: the parse ends here
    std::string::size_type colon = item.find(':', key_start);
    std::string::size_type key_length =
        colon == std::string::npos ? std::string::npos : colon - key_start;
    if (item.substr(key_start, key_length) != key) continue;
    if (colon == std::string::npos) return "";
    std::string::size_type value_start = item.find_first_not_of(':', colon);
    return value_start == std::string::npos ? "" : item.substr(value_start);
  }
  return "";
}

void writeItem(std::string& text, const std::string& key, const std::string& value) {
  text += key;
  text += ':';
  text += value;
  text += ',';
}

void writeItem(std::string& text, const std::string& key, int value) {
  writeItem(text, key, formatNumber(value));
}

void writeItem(std::string& text, const std::string& key, float value) {
  writeItem(text, key, formatFloat(value));
}

void writeItem(std::string& text, const std::string& key, bool value) {
  writeItem(text, key, toString(value));
}

void writeItem(std::string& text, const std::string& key, char value) {
  writeItem(text, key, toString(value));
}

int readInt(const std::string& value) {
  long number = std::strtol(value.c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long>(number, INT_MIN, INT_MAX));
}

bool readFloat(const std::string& value, float& result) {
  double number = std::strtod(value.c_str(), nullptr);
  if (!std::isfinite(number) || std::fabs(number) > FLT_MAX) return false;
  result = static_cast<float>(number);
  return true;
}

float readFloat(const std::string& value) {
  float result = 0;
  return readFloat(value, result) ? result : 0;
}

bool readWholeInt(const std::string& value, int& result) {
  if (value.empty() || std::isspace(static_cast<unsigned char>(value[0]))) return false;
  char* end = nullptr;
  errno = 0;
  long number = std::strtol(value.c_str(), &end, 10);
  if (errno != 0 || end != value.c_str() + value.size() || number < INT_MIN || number > INT_MAX)
    return false;
  result = static_cast<int>(number);
  return true;
}

bool readWholeFloat(const std::string& value, float& result) {
  if (value.empty() || std::isspace(static_cast<unsigned char>(value[0]))) return false;
  char* end = nullptr;
  double number = std::strtod(value.c_str(), &end);
  if (end != value.c_str() + value.size() || !std::isfinite(number) || std::fabs(number) > FLT_MAX)
    return false;
  result = static_cast<float>(number);
  return true;
}

bool readColorName(const std::string& name, Color& color) {
  for (int c = BLACK; c <= WHITE; c++) {
    if (name == COLOR_NAMES[c]) {
      color = static_cast<Color>(c);
      return true;
    }
  }
  return false;
}

std::string numberText(float value) {
  if (value == std::trunc(value) && std::fabs(value) < 2147483648.0f)
    return formatNumber(static_cast<int>(value));
  return formatFloat(value);
}

}  // namespace vt
