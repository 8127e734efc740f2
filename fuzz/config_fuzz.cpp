// Feeds arbitrary text to the configuration loader, both as a text and as
// the file read at start-up, and checks match() against a plain reading of
// the key:value rules.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "vantle.h"

namespace {

using Items = std::vector<std::pair<std::string, std::string>>;

// The items as the rules describe them: up to a zero char, whitespace
// removed, pieces between commas, empty pieces skipped; leading colons
// skipped, the key up to the next colon, the value after that colon run up
// to the next colon; a piece of colons only ends the list.
Items expectedItems(const std::string& raw) {
  std::string text;
  for (char c : raw.substr(0, raw.find('\0')))
    if (!std::isspace(static_cast<unsigned char>(c))) text += c;
  Items items;
  std::string::size_type start = 0;
  while (start <= text.size()) {
    std::string::size_type end = std::min(text.find(',', start), text.size());
    std::string piece = text.substr(start, end - start);
    start = end + 1;
    if (piece.empty()) continue;
    std::string::size_type key_start = piece.find_first_not_of(':');
    if (key_start == std::string::npos) break;
    std::string::size_type key_end = std::min(piece.find(':', key_start), piece.size());
    std::string key = piece.substr(key_start, key_end - key_start);
    std::string value;
    std::string::size_type value_start = piece.find_first_not_of(':', key_end);
    if (value_start != std::string::npos) {
      std::string::size_type value_end = std::min(piece.find(':', value_start), piece.size());
      value = piece.substr(value_start, value_end - value_start);
    }
    items.emplace_back(key, value);
  }
  return items;
}

bool cleanName(const std::string& name) {
  for (char c : name)
    if (std::isspace(static_cast<unsigned char>(c)) || c == ',' || c == ':' || c == '\0')
      return false;
  return true;
}

// What every loaded configuration holds, whatever the text.
void checkConfig() {
  const vt::Config& config = vt::Config::getInstance();
  FUZZ_CHECK(config.getWindowBackgroundColor() >= vt::BLACK &&
             config.getWindowBackgroundColor() <= vt::WHITE);
  FUZZ_CHECK(config.getWindowStyle() == vt::WINDOW_STYLE_DEFAULT ||
             config.getWindowStyle() == vt::WINDOW_STYLE_FULLSCREEN);
  FUZZ_CHECK(cleanName(config.getWindowTitle()));
  FUZZ_CHECK(cleanName(config.getFontFile()));
  FUZZ_CHECK(cleanName(config.getLogFile()));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Level 17 formats the parser's tracing lines as well.
  vt_fuzz::startQuietEngine(17);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text = vt_fuzz::textOf(data, size);
  vt::Config& config = vt::Config::getInstance();

  config.reset();
  vt::loadConfig(text);
  FUZZ_CHECK(config.getConfigText() == text);
  checkConfig();
  vt::logConfig();

  // The file's way in: comment lines dropped, the others joined.
  vt_fuzz::writeFile(vt::CONFIG_FILENAME, text);
  config.reset();
  vt::loadConfig(vt::readConfig());
  checkConfig();

  // Every key finds the value of its first item, and an unknown key nothing.
  // An empty text parses nothing and would look in the previous parse.
  if (text.empty()) return 0;
  Items items = expectedItems(text);
  vt::match(text, "");
  for (const auto& item : items) {
    std::string first;
    for (const auto& other : items)
      if (other.first == item.first) {
        first = other.second;
        break;
      }
    FUZZ_CHECK_EQ(vt::match("", item.first), first);
  }
  std::string unknown = "?";
  for (const auto& item : items) unknown += item.first;
  FUZZ_CHECK_EQ(vt::match("", unknown), std::string());
  return 0;
}
