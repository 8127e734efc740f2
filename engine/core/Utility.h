// Small text helpers shared by the log, the view objects and serialization.
#pragma once

#include <cstdint>
#include <string>

namespace vt {

/// Local time as "hh:mm:ss" in a buffer overwritten by each call;
/// "(time error)" when the time cannot be read.
const char* getTimeString();

/// Each value as a default-formatted stream prints it (3.0f gives "3").
std::string toString(int i);
std::string toString(float f);
/// A one-character string; the zero char gives "0".
std::string toString(char c);
/// "true" or "false".
std::string toString(bool b);

/// A digest of texts added in order, 16 hexadecimal digits (64-bit FNV-1a):
/// equal texts give equal digests, and different ones almost surely not.
class TextDigest {
 public:
  void add(const std::string& text);
  std::string hex() const;

 private:
  std::uint64_t hash = 14695981039346656037ull;
};

}  // namespace vt
