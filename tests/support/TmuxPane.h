// A terminal to run programs in and read back: a tmux server of its own, on
// a socket in a temporary folder, with one pane running a shell in the
// working folder. The server is killed and the folder removed at the end.
#pragma once

#include <string>
#include <vector>

namespace vt_test {

class TmuxPane {
 public:
  TmuxPane() = default;
  ~TmuxPane();
  TmuxPane(const TmuxPane&) = delete;
  TmuxPane& operator=(const TmuxPane&) = delete;

  /// Starts a shell in a pane of columns by rows; false when tmux cannot.
  bool start(int columns, int rows);

  /// Kills the server.
  void stop();

  /// Sends keys as tmux send-keys names them ("q", "Up", "C-c").
  void send(const std::string& keys);

  /// Types a command line for the shell, and Enter.
  void run(const std::string& command);

  void resize(int columns, int rows);

  /// The pane's rows as text, or with their colours as SGR sequences.
  std::vector<std::string> capture(bool colors = false);

  /// A tmux format about the pane, e.g. "#{cursor_flag}".
  std::string show(const std::string& format);

  /// Polls until a row holds text, for at most seconds; whether one did.
  bool waitFor(const std::string& text, double seconds);

 private:
  /// Runs tmux with arguments on this server; its output.
  std::string tmux(const std::string& arguments);

  std::string folder;
};

/// Where text is in rows: its row and column, or -1, -1.
std::pair<int, int> find(const std::vector<std::string>& rows, const std::string& text);

}  // namespace vt_test
