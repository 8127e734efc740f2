#include "resources/FileStream.h"

#include <unistd.h>

#include <cerrno>

#include "core/FileAccess.h"

namespace vt {

FileStream::~FileStream() {
  if (fd >= 0) ::close(fd);
}

std::string FileStream::open(const std::string& path, std::uint64_t max_bytes) {
  if (fd >= 0) ::close(fd);
  fd = -1;
  size = position = 0;
  std::string reason;
  std::uint64_t file_size = 0;
  int new_fd = openRegularFile(path, reason, &file_size);
  if (new_fd < 0) return reason;
  if (file_size > max_bytes) {
    ::close(new_fd);
    return "larger than " + std::to_string(max_bytes) + " bytes";
  }
  fd = new_fd;
  size = static_cast<sf::Int64>(file_size);
  return "";
}

sf::Int64 FileStream::read(void* data, sf::Int64 wanted) {
  if (fd < 0 || wanted < 0) return -1;
  // Never past the size it had: a file that grows is not read on.
  if (wanted > size - position) wanted = size - position;
  ssize_t got;
  do got = pread(fd, data, static_cast<std::size_t>(wanted), position);
  while (got < 0 && errno == EINTR);
  if (got < 0) return -1;
  position += got;
  return got;
}

sf::Int64 FileStream::seek(sf::Int64 new_position) {
  if (fd < 0 || new_position < 0 || new_position > size) return -1;
  position = new_position;
  return position;
}

sf::Int64 FileStream::tell() { return fd < 0 ? -1 : position; }

sf::Int64 FileStream::getSize() { return fd < 0 ? -1 : size; }

}  // namespace vt
