#include "core/LogFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace vt {

LogFile::~LogFile() { close(); }

FILE* LogFile::openLocked(const std::string& path, bool* p_held) {
  if (p_held) *p_held = false;
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  // The lock is let go when the file is closed, also by the system when the
  // program ends without closing it.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (p_held) *p_held = errno == EWOULDBLOCK;
    ::close(fd);
    return nullptr;
  }
  // A device such as /dev/null cannot be emptied, nor does it need to be.
  struct stat info;
  if (fstat(fd, &info) != 0 || (S_ISREG(info.st_mode) && ftruncate(fd, 0) != 0)) {
    ::close(fd);
    return nullptr;
  }
  FILE* p = fdopen(fd, "w");
  if (!p) ::close(fd);
  return p;
}

bool LogFile::open(const std::string& new_name) {
  close();
  name = new_name;
  bool held = false;
  p_stream = openLocked(name, &held);
  if (!p_stream && held) {
    name = new_name + "." + std::to_string(getpid());
    p_stream = openLocked(name);
  }
  size = 0;
  struct stat info;
  regular = p_stream && fstat(fileno(p_stream), &info) == 0 && S_ISREG(info.st_mode);
  return p_stream != nullptr;
}

void LogFile::close() {
  if (p_stream) fclose(p_stream);
  p_stream = nullptr;
}

FILE* LogFile::getStream() const { return p_stream; }

std::string LogFile::getName() const { return name; }

bool LogFile::account(long bytes, long limit) {
  size += bytes;
  // Only a regular file is moved aside: never a device such as /dev/null.
  if (!p_stream || !regular || limit <= 0 || size < limit) return false;
  std::string aside = name + ".1";
  fflush(p_stream);
  std::rename(name.c_str(), aside.c_str());
  FILE* p_new = openLocked(name);
  // Without a new file the old one is written on: nothing is lost.
  if (!p_new) return false;
  fclose(p_stream);
  p_stream = p_new;
  size = 0;
  return true;
}

}  // namespace vt
