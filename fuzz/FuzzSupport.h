// What every fuzz target needs before its first input: a private working
// folder for the files it writes, the log started on a sink so that the
// engine's messages cost little, and silent audio for the resource manager.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vt_fuzz {

/// Enters a fresh temporary folder (removed at exit), starts the log
/// manager writing to /dev/null at log_level and selects OpenAL's null
/// driver. Call once, from LLVMFuzzerInitialize.
void startQuietEngine(int log_level);

/// The fuzzer's bytes as a string.
std::string textOf(const std::uint8_t* data, std::size_t size);

/// Writes text to a file in the working folder, replacing it.
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
