#include "FuzzSupport.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "vantle.h"

namespace vt_fuzz {

namespace {
std::string work_dir;

void removeWorkDir() {
  std::error_code ignored;
  std::filesystem::remove_all(work_dir, ignored);
}
}  // namespace

void startQuietEngine(int log_level) {
  // The resource manager's audio slots open an OpenAL device; there is no
  // sound card where fuzzers run.
  setenv("ALSOFT_DRIVERS", "null", 0);
  std::string pattern = (std::filesystem::temp_directory_path() / "vantle-fuzz-XXXXXX").string();
  if (!mkdtemp(pattern.data())) fail(__FILE__, __LINE__, "cannot make a temporary folder");
  work_dir = pattern;
  atexit(removeWorkDir);

  // Every message is still formatted, only not kept.
  vt::Config::getInstance().setLogFile("/dev/null");
  vt::LogManager& log = vt::LogManager::getInstance();
  if (log.startUp() != 0) fail(__FILE__, __LINE__, "cannot start the log on /dev/null");
  log.setLogLevel(log_level);
}

std::string workDir() { return work_dir; }

std::string workPath(const std::string& name) { return work_dir + "/" + name; }

std::string textOf(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

void writeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) fail(__FILE__, __LINE__, "cannot write " + path);
}

void fail(const char* file, int line, const std::string& what) {
  fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what.c_str());
  abort();
}

}  // namespace vt_fuzz
