// The key:value item text shared by the configuration file and object
// serialization: items written as key, ':', value and ',' (the last one
// included), the parser that finds them again, and the readers of the values
// they hold. Numbers are read as the C runtime reads them, held within range,
// so a value that is not a number reads as 0.
#pragma once

#include <string>

#include "presentation/Color.h"

namespace vt {

/// Parses text (when non-empty) as comma-separated key:value items,
/// replacing the previous parse, then returns the first value of key.
/// Blanks are dropped, a value ends at its first ':' and a zero char ends
/// the text; "" when key is absent.
std::string match(std::string text, std::string key);

/// The value of key in the text match() parsed last; empty when absent.
std::string readItem(const std::string& key);

/// The value of key in text as it was written, ':' included: match() cuts
/// a value at its first ':', which event types such as "vt::step" contain.
/// Items are found as match() finds them; empty when key is absent.
std::string readWholeItem(const std::string& text, const std::string& key);

/// Appends "key:value," with the value as toString() writes it.
void writeItem(std::string& text, const std::string& key, const std::string& value);
void writeItem(std::string& text, const std::string& key, int value);
void writeItem(std::string& text, const std::string& key, float value);
void writeItem(std::string& text, const std::string& key, bool value);
void writeItem(std::string& text, const std::string& key, char value);

/// The leading decimal integer of value, held within int range; 0 if none.
int readInt(const std::string& value);

/// The leading number of value, when a float can hold it; false for
/// infinities, NaN and numbers past the float range.
bool readFloat(const std::string& value, float& result);

/// The leading number of value; 0 if none or if a float cannot hold it, so
/// that nothing downstream meets infinities or NaN.
float readFloat(const std::string& value);

/// The whole of value as a decimal integer within int range; false, result
/// unchanged, when anything else is in it.
bool readWholeInt(const std::string& value, int& result);

/// The whole of value as a number a float can hold; false, result
/// unchanged, for infinities, NaN, numbers past the float range or when
/// anything else is in it.
bool readWholeFloat(const std::string& value, float& result);

/// The colour spelled in lower case ("black" to "white"); false for any
/// other name, color then unchanged.
bool readColorName(const std::string& name, Color& color);

/// A number for a log line: a whole value as an integer, any other as
/// toString() writes it.
std::string numberText(float value);

}  // namespace vt
