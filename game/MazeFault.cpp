#include "MazeFault.h"

#include <cstdio>

namespace {

// Whether longer is shorter with one letter added somewhere.
bool oneAdded(const std::string& shorter, const std::string& longer) {
  std::size_t i = 0;
  while (i < shorter.size() && shorter[i] == longer[i]) i++;
  return shorter.compare(i, std::string::npos, longer, i + 1, std::string::npos) == 0;
}

bool missesByOne(const std::string& a, const std::string& b) {
  if (a.size() + 1 == b.size()) return oneAdded(a, b);
  if (b.size() + 1 == a.size()) return oneAdded(b, a);
  if (a.size() != b.size() || a == b) return false;
  std::size_t first = 0;
  while (a[first] == b[first]) first++;
  std::size_t last = a.size() - 1;
  while (a[last] == b[last]) last--;
  if (first == last) return true;
  return last == first + 1 && a[first] == b[last] && a[last] == b[first];
}

}  // namespace

std::string foundAt(const std::string& line, int column, bool one_character) {
  std::size_t at = column > 0 ? static_cast<std::size_t>(column - 1) : 0;
  if (at >= line.size()) return "the end of the line";
  unsigned char c = static_cast<unsigned char>(line[at]);
  if (c == '\t') return "a tab";
  if (c == ' ') return "a blank";
  if (c < ' ' || c > '~') {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", c);
    return std::string("the byte ") + hex;
  }
  std::size_t end = one_character ? at + 1 : line.find_first_of(" \t", at);
  return "'" + line.substr(at, end == std::string::npos ? end : end - at) + "'";
}

std::string oneLetterOff(const std::string& word, const std::vector<std::string>& words) {
  for (const std::string& candidate : words)
    if (missesByOne(word, candidate)) return candidate;
  return "";
}
