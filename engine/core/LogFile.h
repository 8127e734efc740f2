// The log's file. It is opened fresh under an exclusive lock, so that a
// second program started in the same folder does not truncate a log that a
// live program is writing; that program writes a file of its own instead.
// Past a size limit the file is renamed with a ".1" suffix, replacing an
// older one, and a new file is started, so a long run keeps at most twice
// the limit on disk.
#pragma once

#include <cstdio>
#include <string>

namespace vt {

class LogFile {
 public:
  LogFile() = default;
  ~LogFile();
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;

  /// Opens name empty, or name followed by this process's number when
  /// another program holds name; false when no file could be had.
  bool open(const std::string& name);

  void close();

  /// The open stream, null when closed.
  FILE* getStream() const;

  /// The file being written, which may not be the name asked for.
  std::string getName() const;

  /// Counts bytes written; once the file holds limit bytes or more (and the
  /// limit is positive), moves it aside and starts a new one. Whether it did.
  bool account(long bytes, long limit);

 private:
  /// Opens and locks path, emptied; null when it cannot be opened or locked,
  /// *p_held then telling whether another program holds the lock.
  static FILE* openLocked(const std::string& path, bool* p_held = nullptr);

  FILE* p_stream = nullptr;
  std::string name;
  long size = 0;
  bool regular = false;  // a regular file, which may be moved aside
};

}  // namespace vt
