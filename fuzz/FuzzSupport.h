// What every fuzz target needs before its first input: a private folder for
// the files it writes, the log started on a sink so that the engine's
// messages cost little, and silent audio for the resource manager.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vt_fuzz {

/// Makes a fresh temporary folder (removed at exit), starts the log
/// manager writing to /dev/null at log_level and selects OpenAL's null
/// driver. Call once, from LLVMFuzzerInitialize. The working directory stays
/// where it was: libFuzzer starts itself again by its own path when it
/// merges or minimises.
void startQuietEngine(int log_level);

/// The temporary folder.
std::string workDir();

/// The path of a file in the temporary folder.
std::string workPath(const std::string& name);

/// The fuzzer's bytes as a string.
std::string textOf(const std::uint8_t* data, std::size_t size);

/// Writes text to a file, replacing it.
void writeFile(const std::string& path, const std::string& text);

/// Reports a broken expectation on standard error and aborts, which
/// libFuzzer records as a crash with the input that caused it.
[[noreturn]] void fail(const char* file, int line, const std::string& what);

}  // namespace vt_fuzz

#define FUZZ_CHECK(condition)                                        \
  do {                                                               \
    if (!(condition)) vt_fuzz::fail(__FILE__, __LINE__, #condition); \
  } while (false)

#define FUZZ_CHECK_EQ(a, b)                                                               \
  do {                                                                                    \
    if (!((a) == (b)))                                                                    \
      vt_fuzz::fail(__FILE__, __LINE__,                                                   \
                    std::string(#a " == " #b "\n  left:  ") + (a) + "\n  right: " + (b)); \
  } while (false)
