// The log's file. A regular file is opened fresh under an exclusive lock, so
// that a second program started in the same folder does not truncate a log
// that a live program is writing: that program takes the first free of a few
// numbered names beside it instead ("vantle-2.log" and on), which later runs
// reuse. A device or a pipe is written as it is, never locked, moved or
// renamed. Past a size limit a regular file is renamed with a ".1" suffix,
// replacing an older one, and a new file takes its name, so a long run keeps
// at most twice the limit on disk; the name always belongs to the program
// holding its lock, so no other program can take it in between. When the
// file's folder cannot be written, the log goes to the user's state folder.
#pragma once

#include <cstdio>
#include <string>

namespace vt {

/// How many names a log may take: its own and the numbered ones from 2.
const int LOG_NAMES = 8;

class LogFile {
 public:
  LogFile() = default;
  ~LogFile();
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;

  /// Opens name: emptied, or under a numbered name when other programs hold
  /// it, or in the state folder when its folder cannot be written. False
  /// when no file could be had, getFailure() then telling why.
  bool open(const std::string& name);

  void close();

  /// The open stream, null when closed.
  FILE* getStream() const;

  /// The file being written, which may not be the name asked for.
  std::string getName() const;

  /// Why the last open failed; empty after a success.
  std::string getFailure() const;

  /// Why the file written is not the one asked for; empty when it is.
  std::string getDetour() const;

  /// Counts bytes written; once the file holds limit bytes or more (and the
  /// limit is positive), moves it aside and starts a new one. Whether it did.
  bool account(long bytes, long limit);

 private:
  /// Opens path or, while other programs hold each, its numbered names;
  /// 0 or the system's error, EWOULDBLOCK when every name is held.
  int openFirstFree(const std::string& path);

  FILE* p_stream = nullptr;
  std::string name;
  std::string failure;
  std::string detour;
  long size = 0;
  bool regular = false;  // a regular file, which may be moved aside
};

/// The index-th of a log's names: name itself for 1, else the number put
/// before its extension ("vantle.log" gives "vantle-2.log" for 2).
std::string logName(const std::string& name, int index);

}  // namespace vt
