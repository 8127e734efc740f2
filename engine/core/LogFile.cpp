#include "core/LogFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/Platform.h"

namespace vt {

namespace {

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Closes fd after a failed call, keeping that call's errno; -1.
int closeFailed(int fd) {
  int error = errno;
  ::close(fd);
  errno = error;
  return -1;
}

// Opens path for writing: a regular file locked and emptied, anything else
// as it is. The descriptor, or -1 with errno set (EWOULDBLOCK when another
// program holds the lock); *p_regular tells which it was.
int openForLog(const std::string& path, bool* p_regular) {
  // A renaming by the lock's holder can put another file under the name
  // between the open and the lock; then the name is opened again.
  for (int attempt = 0; attempt < 16; attempt++) {
    // Non-blocking, so that a pipe without a reader fails instead of waiting.
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    int flags = fcntl(fd, F_GETFL);
    if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    struct stat opened, named;
    if (fstat(fd, &opened) != 0) return closeFailed(fd);
    *p_regular = S_ISREG(opened.st_mode);
    // A device such as /dev/null is shared by every program and needs no lock.
    if (!*p_regular) return fd;
    // The lock is let go when the file is closed, also by the system when
    // the program ends without closing it.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) return closeFailed(fd);
    if (stat(path.c_str(), &named) == 0 && sameFile(named, opened))
      return ftruncate(fd, 0) == 0 ? fd : closeFailed(fd);
    ::close(fd);
  }
  errno = EWOULDBLOCK;
  return -1;
}

// Makes path new and locked, for no one else to know yet; -1 if it cannot.
int createLocked(const std::string& path) {
  for (int attempt = 0; attempt < 2; attempt++) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) {
      flock(fd, LOCK_EX | LOCK_NB);
      return fd;
    }
    // Left by a run that was killed while moving its log aside: the name
    // belongs to this log, whose lock this program holds.
    if (errno != EEXIST || ::unlink(path.c_str()) != 0) return -1;
  }
  return -1;
}

std::string describe(const std::string& path, int error) {
  if (error == EWOULDBLOCK)
    return "'" + path + "' and its numbered names up to '" + logName(path, LOG_NAMES) +
           "' are held by other programs";
  return "'" + path + "': " + std::strerror(error);
}

bool isDevice(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

}  // namespace

std::string logName(const std::string& name, int index) {
  if (index <= 1) return name;
  std::string::size_type base = name.find_last_of('/') + 1;  // npos + 1 is 0
  std::string::size_type dot = name.find_last_of('.');
  if (dot == std::string::npos || dot <= base) dot = name.size();
  return name.substr(0, dot) + "-" + std::to_string(index) + name.substr(dot);
}

LogFile::~LogFile() { close(); }

int LogFile::openFirstFree(const std::string& path) {
  for (int index = 1; index <= LOG_NAMES; index++) {
    std::string candidate = logName(path, index);
    int fd = openForLog(candidate, &regular);
    if (fd >= 0) {
      p_stream = fdopen(fd, "w");
      if (!p_stream) {
        int error = errno;
        ::close(fd);
        return error;
      }
      name = candidate;
      size = 0;
      return 0;
    }
    // Only a regular file held by another program sends the log to the
    // next name; no name is ever made from a device's.
    if (errno != EWOULDBLOCK) return errno;
  }
  return EWOULDBLOCK;
}

bool LogFile::open(const std::string& new_name) {
  close();
  failure.clear();
  detour.clear();
  int error = openFirstFree(new_name);
  if (error == 0) {
    if (name != new_name) detour = "'" + new_name + "' is held by another program";
    return true;
  }
  failure = describe(new_name, error);
  // A folder that cannot be written, as an installed game's: the user's
  // state folder takes the log.
  std::string folder = getStateFolder();
  if ((error != EACCES && error != EPERM && error != EROFS) || isDevice(new_name) || folder.empty())
    return false;
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  std::string moved = folder + "/" + new_name.substr(new_name.find_last_of('/') + 1);
  int moved_error = openFirstFree(moved);
  if (moved_error != 0) {
    failure += "; " + describe(moved, moved_error);
    return false;
  }
  detour = "'" + new_name + "' cannot be written (" + std::strerror(error) + ")";
  failure.clear();
  return true;
}

void LogFile::close() {
  if (p_stream) fclose(p_stream);
  p_stream = nullptr;
}

FILE* LogFile::getStream() const { return p_stream; }

std::string LogFile::getName() const { return name; }

std::string LogFile::getFailure() const { return failure; }

std::string LogFile::getDetour() const { return detour; }

bool LogFile::account(long bytes, long limit) {
  size += bytes;
  if (!p_stream || !regular || limit <= 0 || size < limit) return false;
  fflush(p_stream);
  // Without a new file the old one is written on, nothing lost; it is tried
  // again after as many bytes more.
  size = 0;
  std::string fresh = name + ".new", aside = name + ".1";
  int fd = createLocked(fresh);
  if (fd < 0) return false;
  FILE* p_new = fdopen(fd, "w");
  if (!p_new) {
    ::close(fd);
    ::unlink(fresh.c_str());
    return false;
  }
  // The old file keeps the name until the new one replaces it in one step,
  // so no other program finds the name free in between.
  ::unlink(aside.c_str());
  bool linked = ::link(name.c_str(), aside.c_str()) == 0;
  if (!linked) std::rename(name.c_str(), aside.c_str());  // a file system without links
  if (std::rename(fresh.c_str(), name.c_str()) != 0) {
    if (!linked) std::rename(aside.c_str(), name.c_str());
    fclose(p_new);
    ::unlink(fresh.c_str());
    return false;
  }
  fclose(p_stream);
  p_stream = p_new;
  return true;
}

}  // namespace vt
