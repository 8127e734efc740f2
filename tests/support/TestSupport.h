// Helpers shared by the test suites: a private working folder per test and
// reading back what the engine wrote.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vt_test {

/// Runs each test in a fresh, empty working folder, removed afterwards.
class InTempDir : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string dir;

 private:
  std::string previous_dir;
};

/// The whole content of a file, empty when it cannot be read.
std::string readFile(const std::string& path);

/// Writes text to a file, replacing it.
void writeFile(const std::string& path, const std::string& text);

/// The lines of a file without their line feeds.
std::vector<std::string> readLines(const std::string& path);

/// The message part of a log line written with the time and step prefixes.
std::string messageOf(const std::string& log_line);

/// The messages of every line in the log file, prefixes removed.
std::vector<std::string> logMessages(const std::string& path = "vantle.log");

/// Whether some line of lines equals text.
bool contains(const std::vector<std::string>& lines, const std::string& text);

/// How many lines of lines equal text.
int count(const std::vector<std::string>& lines, const std::string& text);

/// Starts the log manager alone on "vantle.log" in the working folder,
/// without time or step prefixes.
void startPlainLog();

}  // namespace vt_test
