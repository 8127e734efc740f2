// The pieces of an object's text: items written as key, ':', value and ','
// (the last one included), and the values read back after match() has parsed
// the text. Numbers are read the way the C runtime reads them, so a value
// that is not a number reads as 0.
#pragma once

#include <string>

namespace vt {

/// Appends "key:value," with the value as toString() writes it.
void writeItem(std::string& text, const std::string& key, const std::string& value);
void writeItem(std::string& text, const std::string& key, int value);
void writeItem(std::string& text, const std::string& key, float value);
void writeItem(std::string& text, const std::string& key, bool value);
void writeItem(std::string& text, const std::string& key, char value);

/// The value of key in the text match() parsed last; empty when absent.
std::string readItem(const std::string& key);

/// The value of key in text as it was written, ':' included: match() cuts
/// a value at its first ':', which event types such as "vt::step" contain.
/// Items are found as match() finds them; empty when key is absent.
std::string readWholeItem(const std::string& text, const std::string& key);

/// The leading decimal integer of value, held within int range; 0 if none.
int readInt(const std::string& value);

/// The leading number of value; 0 if none, or if a float cannot hold it
/// (infinities and NaN included, so that nothing downstream meets them).
float readFloat(const std::string& value);

/// A number for a log line: a whole value as an integer, any other as
/// toString() writes it.
std::string numberText(float value);

}  // namespace vt
