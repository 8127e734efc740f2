#include "core/StderrCapture.h"

#include <unistd.h>

#include <cstdio>

namespace vt {

std::string captureStderr(const std::function<void()>& work) {
  std::fflush(stderr);
  std::FILE* p_file = std::tmpfile();
  int saved = p_file ? dup(STDERR_FILENO) : -1;
  if (saved < 0 || dup2(fileno(p_file), STDERR_FILENO) < 0) {
    if (saved >= 0) close(saved);
    if (p_file) std::fclose(p_file);
    work();
    return "";
  }
  work();
  std::fflush(stderr);
  dup2(saved, STDERR_FILENO);
  close(saved);
  std::string said;
  std::rewind(p_file);
  char chunk[4096];
  for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, p_file)) > 0;)
    said.append(chunk, got);
  std::fclose(p_file);
  return said;
}

}  // namespace vt
