#include "world/Serialization.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "core/Config.h"
#include "core/Utility.h"

namespace vt {

void writeItem(std::string& text, const std::string& key, const std::string& value) {
  text += key;
  text += ':';
  text += value;
  text += ',';
}

// Numbers are formatted as toString() formats them (the default stream
// format, six significant digits for a float), but without building a stream
// for each value, which made up most of the time of writing a line.
namespace {
template <typename T, typename... Format>
std::string formatNumber(T value, Format... format) {
  char buffer[32];
  std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value, format...);
  return std::string(buffer, result.ptr);
}

std::string formatFloat(float value) { return formatNumber(value, std::chars_format::general, 6); }
}  // namespace

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

int readInt(const std::string& value) {
  long number = std::strtol(value.c_str(), nullptr, 10);
  if (number > INT_MAX) return INT_MAX;
  if (number < INT_MIN) return INT_MIN;
  return static_cast<int>(number);
}

float readFloat(const std::string& value) {
  double number = std::strtod(value.c_str(), nullptr);
  if (!std::isfinite(number) || std::fabs(number) > FLT_MAX) return 0;
  return static_cast<float>(number);
}

std::string numberText(float value) {
  if (value == std::trunc(value) && std::fabs(value) < 2147483648.0f)
    return formatNumber(static_cast<int>(value));
  return formatFloat(value);
}

}  // namespace vt
