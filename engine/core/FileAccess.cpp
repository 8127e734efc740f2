#include "core/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <streambuf>
#include <vector>

namespace vt {

namespace {
const std::size_t CHUNK = 64 * 1024;

std::string systemReason() { return std::strerror(errno); }
}  // namespace

// Reads an open descriptor in chunks, never past the cap.
class ReadFile::Buffer : public std::streambuf {
 public:
  Buffer(int new_fd, std::uint64_t new_cap)
      : fd(new_fd), cap(new_cap), left(new_cap), chunk(CHUNK) {}
  ~Buffer() override { ::close(fd); }
  bool over_cap = false;

  /// Back to the first byte; false when the file cannot seek.
  bool restart() {
    if (lseek(fd, 0, SEEK_SET) != 0) return false;
    left = cap;
    over_cap = false;
    setg(nullptr, nullptr, nullptr);
    return true;
  }

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    std::size_t want = chunk.size();
    // One byte past the cap tells a file of exactly the cap from a longer one.
    if (left < want) want = static_cast<std::size_t>(left) + 1;
    ssize_t got;
    do got = ::read(fd, chunk.data(), want);
    while (got < 0 && errno == EINTR);
    if (got <= 0) return traits_type::eof();
    std::size_t usable = static_cast<std::size_t>(got);
    if (usable > left) {
      usable = static_cast<std::size_t>(left);
      over_cap = true;
    }
    left -= usable;
    if (usable == 0) return traits_type::eof();
    setg(chunk.data(), chunk.data(), chunk.data() + usable);
    return traits_type::to_int_type(*gptr());
  }

 private:
  int fd;
  std::uint64_t cap;
  std::uint64_t left;
  std::vector<char> chunk;
};

int openRegularFile(const std::string& path, std::string& reason, std::uint64_t* p_size) {
  // Non-blocking, so that a pipe with no writer does not hold the open.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    reason = systemReason();
    return -1;
  }
  struct stat info;
  if (fstat(fd, &info) != 0)
    reason = systemReason();
  else if (!S_ISREG(info.st_mode))
    reason = S_ISDIR(info.st_mode) ? "is a directory" : "not a regular file";
  if (!reason.empty()) {
    ::close(fd);
    return -1;
  }
  int flags = fcntl(fd, F_GETFL);
  if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  if (p_size) *p_size = static_cast<std::uint64_t>(info.st_size);
  return fd;
}

ReadFile::ReadFile() : p_stream(std::make_unique<std::istream>(nullptr)) {}
ReadFile::~ReadFile() = default;

std::string ReadFile::open(const std::string& path, std::uint64_t max_bytes) {
  p_stream = std::make_unique<std::istream>(nullptr);
  p_buffer.reset();
  std::string reason;
  int fd = openRegularFile(path, reason);
  if (fd < 0) return reason;
  p_buffer = std::make_unique<Buffer>(fd, max_bytes);
  p_stream = std::make_unique<std::istream>(p_buffer.get());
  return "";
}

std::istream& ReadFile::stream() { return *p_stream; }

bool ReadFile::overCap() const { return p_buffer && p_buffer->over_cap; }

bool ReadFile::rewind() {
  if (!p_buffer || !p_buffer->restart()) return false;
  p_stream->clear();
  return true;
}

LineRead readLine(std::istream& in, std::string& line, std::size_t max_length) {
  line.clear();
  std::streambuf* p_buffer = in.rdbuf();
  int c = p_buffer ? p_buffer->sbumpc() : EOF;
  if (c == EOF) {
    in.setstate(std::ios::eofbit);
    return LineRead::END;
  }
  // One more character is let in, for a carriage return.
  for (; c != EOF && c != '\n'; c = p_buffer->sbumpc()) {
    if (line.size() > max_length) return LineRead::TOO_LONG;
    line.push_back(static_cast<char>(c));
  }
  if (c == EOF) in.setstate(std::ios::eofbit);
  bool too_long = line.size() > max_length && line.back() != '\r';
  return too_long ? LineRead::TOO_LONG : LineRead::LINE;
}

std::string readFile(const std::string& path, std::uint64_t max_bytes, std::string& text) {
  text.clear();
  ReadFile file;
  std::string reason = file.open(path, max_bytes);
  if (!reason.empty()) return reason;
  char chunk[CHUNK];
  while (file.stream().read(chunk, sizeof chunk) || file.stream().gcount() > 0)
    text.append(chunk, static_cast<std::size_t>(file.stream().gcount()));
  if (file.overCap()) {
    text.clear();
    return "larger than " + std::to_string(max_bytes) + " bytes";
  }
  return "";
}

// Writes to an open descriptor, remembering the first failure.
class ReplacingFile::Buffer : public std::streambuf {
 public:
  explicit Buffer(int new_fd) : fd(new_fd), chunk(CHUNK) {
    setp(chunk.data(), chunk.data() + chunk.size());
  }
  ~Buffer() override {
    if (fd >= 0) ::close(fd);
  }

  /// Writes out what is buffered; false once any write failed.
  bool drain() {
    const char* p = pbase();
    while (failure == 0 && p < pptr()) {
      ssize_t put = ::write(fd, p, static_cast<std::size_t>(pptr() - p));
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) failure = put < 0 ? errno : EIO;
      else p += put;
    }
    setp(chunk.data(), chunk.data() + chunk.size());
    return failure == 0;
  }

  /// Drains, flushes to disk and closes; 0 or the system's error number.
  int finish() {
    drain();
    if (failure == 0 && fsync(fd) != 0) failure = errno;
    if (::close(fd) != 0 && failure == 0) failure = errno;
    fd = -1;
    return failure;
  }

 protected:
  int_type overflow(int_type ch) override {
    if (!drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(ch, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(ch);
      pbump(1);
    }
    return traits_type::not_eof(ch);
  }
  int sync() override { return drain() ? 0 : -1; }

 private:
  int fd;
  int failure = 0;
  std::vector<char> chunk;
};

namespace {
std::function<void(const std::string&)>& replacedHook() {
  static std::function<void(const std::string&)> hook;
  return hook;
}
}  // namespace

void setReplacedHook(std::function<void(const std::string&)> replaced) {
  replacedHook() = std::move(replaced);
}

ReplacingFile::ReplacingFile() : p_stream(std::make_unique<std::ostream>(nullptr)) {}

ReplacingFile::~ReplacingFile() { discard(); }

std::string ReplacingFile::open(const std::string& new_path) {
  discard();
  path = new_path;
  // Only a regular file (or none) is replaced: never a device such as
  // /dev/null, a pipe or a folder, which a rename would take the place of.
  struct stat info;
  if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return "not a regular file";
  // mkstemp makes the file new with O_EXCL: a link planted under any name
  // is never followed, and a stale file left by a kill is never in the way.
  std::vector<char> name(path.begin(), path.end());
  for (char c : std::string(".XXXXXX")) name.push_back(c);
  name.push_back('\0');
  int fd = mkstemp(name.data());
  if (fd < 0) return systemReason();
  fcntl(fd, F_SETFD, FD_CLOEXEC);
  temporary = name.data();
  // mkstemp makes it private to the owner; the file it replaces was not.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  p_buffer = std::make_unique<Buffer>(fd);
  p_stream = std::make_unique<std::ostream>(p_buffer.get());
  return "";
}

std::ostream& ReplacingFile::stream() { return *p_stream; }

std::string ReplacingFile::commit() {
  if (!p_buffer) return "not open";
  p_stream->flush();
  int failure = p_buffer->finish();
  p_stream = std::make_unique<std::ostream>(nullptr);
  p_buffer.reset();
  if (failure == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) failure = errno;
  if (failure != 0) {
    ::unlink(temporary.c_str());
    temporary.clear();
    return std::strerror(failure);
  }
  temporary.clear();
  if (replacedHook()) replacedHook()(path);
  return "";
}

void ReplacingFile::discard() {
  p_stream = std::make_unique<std::ostream>(nullptr);
  p_buffer.reset();
  if (!temporary.empty()) ::unlink(temporary.c_str());
  temporary.clear();
}

std::string replaceFile(const std::string& path, const std::string& text) {
  ReplacingFile file;
  std::string reason = file.open(path);
  if (!reason.empty()) return reason;
  file.stream() << text;
  return file.commit();
}

}  // namespace vt
