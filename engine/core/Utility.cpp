#include "core/Utility.h"

#include <cstdio>
#include <ctime>
#include <sstream>

namespace vt {

const char* getTimeString() {
  static char time_str[32];
  time_t now = time(nullptr);
  tm local{};
  if (now == static_cast<time_t>(-1) || localtime_r(&now, &local) == nullptr) {
    snprintf(time_str, sizeof time_str, "(time error)");
    return time_str;
  }
  snprintf(time_str, sizeof time_str, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
  return time_str;
}

namespace {
template <typename T>
std::string streamed(T value) {
  std::stringstream ss;
  ss << value;
  return ss.str();
}
}  // namespace

std::string toString(int i) { return streamed(i); }

std::string toString(float f) { return streamed(f); }

std::string toString(char c) { return c == '\0' ? std::string("0") : std::string(1, c); }

std::string toString(bool b) { return b ? "true" : "false"; }

void TextDigest::add(const std::string& text) {
  for (char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
}

std::string TextDigest::hex() const {
  char text[17];
  snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

}  // namespace vt
