// A file for SFML's loaders (fonts, sounds, music) to read, opened through
// the engine's own checks: only a regular file, never a pipe with no end
// nor a device, and only one within a cap of bytes suited to what it holds.
// Loaders that read as they play (music, fonts) need it kept open as long
// as what they loaded.
#pragma once

#include <SFML/System/InputStream.hpp>
#include <cstdint>
#include <string>

namespace vt {

class FileStream : public sf::InputStream {
 public:
  FileStream() = default;
  ~FileStream() override;
  FileStream(const FileStream&) = delete;
  FileStream& operator=(const FileStream&) = delete;

  /// Opens path if it is a regular file of at most max_bytes. Empty on
  /// success, else the reason.
  std::string open(const std::string& path, std::uint64_t max_bytes);

  /// Reads up to size bytes into data; the bytes read, -1 on failure.
  sf::Int64 read(void* data, sf::Int64 size) override;
  /// Moves to position; the new position, -1 when it lies outside the file.
  sf::Int64 seek(sf::Int64 position) override;
  sf::Int64 tell() override;
  sf::Int64 getSize() override;

 private:
  int fd = -1;
  sf::Int64 size = 0;  // as it was opened
  sf::Int64 position = 0;
};

}  // namespace vt
