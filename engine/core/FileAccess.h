// Reading and replacing files safely. A file is read only if it is a
// regular file (never a pipe that has no end, nor a device), and never past
// a byte cap suited to what it holds. A file is replaced through a
// temporary file made new and exclusive in its folder, never through a link
// planted there, flushed to disk and renamed over it at the end, so that a
// crash or a kill leaves the old file whole.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

namespace vt {

/// Opens path for reading if it is a regular file, without blocking on a
/// pipe: its descriptor, closed on exec, with its size in *p_size when
/// given, or -1 with the reason (the system's, "is a directory" or "not a
/// regular file").
int openRegularFile(const std::string& path, std::string& reason,
                    std::uint64_t* p_size = nullptr);

/// A regular file opened for reading, at most a cap of bytes.
class ReadFile {
 public:
  ReadFile();
  ~ReadFile();
  ReadFile(const ReadFile&) = delete;
  ReadFile& operator=(const ReadFile&) = delete;

  /// Opens path if it is a regular file, without blocking on a pipe; the
  /// stream then ends after max_bytes. Empty on success, else the reason:
  /// the system's, or "not a regular file".
  std::string open(const std::string& path, std::uint64_t max_bytes);

  /// The file's bytes; empty when it is not open.
  std::istream& stream();

  /// Whether the stream stopped at the cap with more bytes in the file.
  bool overCap() const;

  /// Goes back to the first byte, the cap counted afresh; false when the
  /// file is not open or cannot go back.
  bool rewind();

 private:
  class Buffer;
  std::unique_ptr<Buffer> p_buffer;
  std::unique_ptr<std::istream> p_stream;
};

/// Reads a regular file whole into text. Empty on success, else the reason;
/// past max_bytes the reason names the cap.
std::string readFile(const std::string& path, std::uint64_t max_bytes, std::string& text);

/// How reading a line went.
enum class LineRead { LINE, END, TOO_LONG };

/// Reads the next line of in without its line feed (a carriage return
/// before it stays): END when the stream has no more, TOO_LONG when it has
/// more than max_length characters before the line feed, not counting a
/// carriage return (the rest of the line is then left unread).
LineRead readLine(std::istream& in, std::string& line, std::size_t max_length);

/// A file written anew beside the one it replaces, which only commit()
/// replaces; dropped without commit, it leaves the old file as it was.
class ReplacingFile {
 public:
  ReplacingFile();
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  /// Makes the temporary file in path's folder. Empty on success, else the
  /// reason; "not a regular file" when path is something else (a device, a
  /// pipe, a folder).
  std::string open(const std::string& path);

  /// Where the new content goes.
  std::ostream& stream();

  /// Flushes the content to disk and renames it over the path. Empty on
  /// success, else the reason (the old file then stays).
  std::string commit();

  /// Drops the temporary file; the old file stays.
  void discard();

 private:
  class Buffer;
  std::unique_ptr<Buffer> p_buffer;
  std::unique_ptr<std::ostream> p_stream;
  std::string path;
  std::string temporary;
};

/// Writes text as the whole of path through a ReplacingFile. Empty on
/// success, else the reason.
std::string replaceFile(const std::string& path, const std::string& text);

/// Calls replaced with the path of every file a ReplacingFile has just put
/// in place; null for none. A web page copies such files to the browser's
/// lasting store, so that they outlive the page.
void setReplacedHook(std::function<void(const std::string& path)> replaced);

}  // namespace vt
