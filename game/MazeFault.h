// The wording of a maze file's faults: what was found where something else
// was expected, and the keyword a writer probably meant.
#pragma once

#include <string>
#include <vector>

/// What stands in line at column (from 1), for "found ...": the word there
/// in quotes (in a map row, the one character), "a tab", "a blank", "the
/// byte 0x01" for another unprintable one, or "the end of the line".
std::string foundAt(const std::string& line, int column, bool one_character);

/// The first of words that word misses by one letter: one changed, added or
/// left out, or two neighbours swapped ("tiem" for "time"); empty when none.
std::string oneLetterOff(const std::string& word, const std::vector<std::string>& words);
