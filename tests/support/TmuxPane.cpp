#include "TmuxPane.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "TestSupport.h"

namespace vt_test {

namespace {
std::string quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}
}  // namespace

TmuxPane::~TmuxPane() { stop(); }

bool TmuxPane::start(int columns, int rows) {
  std::string pattern = (std::filesystem::temp_directory_path() / "vantle-tmux-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return false;
  folder = pattern;
  // A plain shell with a known prompt, in the working folder.
  tmux("-f /dev/null new-session -d -x " + std::to_string(columns) + " -y " + std::to_string(rows) +
       " -c " + quote(std::filesystem::current_path().string()) + " 'env PS1=\"$ \" sh'");
  return waitFor("$", 10);
}

void TmuxPane::stop() {
  if (folder.empty()) return;
  tmux("kill-server");
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  folder.clear();
}

std::string TmuxPane::tmux(const std::string& arguments) {
  std::string command = "TMUX_TMPDIR=" + quote(folder) + " tmux -L vantle " + arguments + " 2>&1";
  std::string output;
  if (FILE* p_out = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, p_out)) > 0;) output.append(buffer, n);
    pclose(p_out);
  }
  return output;
}

void TmuxPane::send(const std::string& keys) { tmux("send-keys " + quote(keys)); }

void TmuxPane::run(const std::string& command) {
  tmux("send-keys -l " + quote(command));
  send("Enter");
}

void TmuxPane::resize(int columns, int rows) {
  tmux("resize-window -x " + std::to_string(columns) + " -y " + std::to_string(rows));
}

std::vector<std::string> TmuxPane::capture(bool colors) {
  std::istringstream text(tmux(colors ? "capture-pane -p -e" : "capture-pane -p"));
  std::vector<std::string> rows;
  for (std::string row; std::getline(text, row);) rows.push_back(row);
  return rows;
}

std::string TmuxPane::show(const std::string& format) {
  std::string value = tmux("display-message -p " + quote(format));
  while (!value.empty() && value.back() == '\n') value.pop_back();
  return value;
}

bool TmuxPane::waitFor(const std::string& text, double seconds) {
  return within(seconds, [&] { return find(capture(), text).first >= 0; });
}

std::pair<int, int> find(const std::vector<std::string>& rows, const std::string& text) {
  for (std::size_t y = 0; y < rows.size(); y++)
    if (std::size_t x = rows[y].find(text); x != std::string::npos)
      return {static_cast<int>(y), static_cast<int>(x)};
  return {-1, -1};
}

}  // namespace vt_test
