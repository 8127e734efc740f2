#include "MazeFile.h"

#include <algorithm>
#include <vector>

#include "MazeFault.h"
#include "MazeMap.h"
#include "Setup.h"
#include "WallKind.h"
#include "core/FileAccess.h"

namespace {

const int MAX_X = 125, MAX_Y = 100;
// The hero stands inside the world, which ends before the walls' last row
// and column.
const int WORLD_X = static_cast<int>(WORLD_HORIZONTAL), WORLD_Y = static_cast<int>(WORLD_VERTICAL);
// Far more than any maze needs, and little to read.
const std::size_t MAX_LINE = 4096;
const std::size_t MAX_BYTES = 1 << 20;
const std::string BYTE_ORDER_MARK = "\xEF\xBB\xBF";
const int MAX_TIME = 999;
const std::size_t MAX_NAME = 40;
const std::size_t MAX_KEYS = 100;
const int MAX_PIECES = 20000;

const std::vector<std::string> KEYWORDS = {"name", "time", "map", "door", "key", "hero", "wall"};

struct KindWord {
  const char* word;
  int kind;
};

const KindWord KINDS[] = {
    {"horizontal", SINGLE_HORIZONTAL_WALL},
    {"vertical", SINGLE_VERTICAL_WALL},
    {"top-corner", TOP_CORNER_WALL},
    {"bottom-left", BOTTOM_LEFT_CORNER_WALL},
    {"bottom-right", BOTTOM_RIGHT_CORNER_WALL},
    {"long-horizontal", HORIZONTAL_WALL},
    {"long-vertical", VERTICAL_WALL},
};

struct Token {
  std::string text;
  int column;  // from 1
};

std::vector<Token> split(const std::string& line) {
  std::vector<Token> tokens;
  for (std::size_t at = 0; at < line.size();) {
    std::size_t start = line.find_first_not_of(" \t", at);
    if (start == std::string::npos) break;
    std::size_t end = line.find_first_of(" \t", start);
    if (end == std::string::npos) end = line.size();
    tokens.push_back({line.substr(start, end - start), static_cast<int>(start) + 1});
    at = end;
  }
  return tokens;
}

std::string trimmed(const std::string& text) {
  std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string::npos) return "";
  return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

class Reader : public MapSink {
 public:
  Reader(const std::string& init_name, Maze& init_maze) : name(init_name), maze(init_maze) {
    maze = Maze();
  }

  bool read(std::istream& in, std::string& error);

  // A line past the last is the end of the file, said at the last line's end.
  bool fail(int line, int column, const std::string& expected) override {
    std::string found = "the end of the file";
    if (line > static_cast<int>(lines.size())) {
      line = std::max(1, static_cast<int>(lines.size()));
      column = lines.empty() ? 1 : static_cast<int>(lines.back().size()) + 1;
    } else {
      std::size_t at = static_cast<std::size_t>(line - 1);
      found = foundAt(lines[at], column, map_rows[at]);
    }
    error = name + ":" + std::to_string(line) + ":" + std::to_string(column) + ": expected " +
            expected + ", found " + found;
    return false;
  }
  bool addDoor(Cell cell, int line, int column) override;
  bool addKey(Cell cell, int line, int column) override;
  bool addHero(Cell cell, int line, int column) override;
  bool addWall(WallRun run, int line, int column) override;

 private:
  bool readLine(const std::string& line);
  bool readName(const std::string& line, const Token& word);
  bool readNumber(const std::vector<Token>& tokens, std::size_t i, int max, const char* what,
                  int& value);
  bool readCell(const std::vector<Token>& tokens, std::size_t i, Cell& cell);
  bool readWalls(const std::vector<Token>& tokens);
  bool readRun(const std::vector<Token>& tokens, std::size_t& i, WallRun& run);
  bool endOfLine(const std::vector<Token>& tokens, std::size_t i, const char* expected);
  /// Fails at a word, suggesting the one of words it misses by a letter.
  bool failWord(const Token& word, const std::string& expected,
                const std::vector<std::string>& words);
  bool finish();

  const std::string& name;
  Maze& maze;
  std::string error;
  int line_number = 0;
  int line_end = 1;  // the column after the line's last character
  bool has_name = false, has_time = false, has_hero = false, has_map = false;
  int pieces = 0;
  MazeMap map;
  std::vector<std::string> lines;  // read so far, to say what a fault found
  std::vector<bool> map_rows;      // whether each is a row of the map
};

bool Reader::read(std::istream& in, std::string& error_out) {
  bool in_map = false;
  std::size_t bytes = 0;
  std::string line;
  for (vt::LineRead got;
       error.empty() && (got = vt::readLine(in, line, MAX_LINE)) != vt::LineRead::END;) {
    line_number++;
    bytes += line.size() + 1;
    // A line too long is kept as read, for its column past the limit.
    if (got != vt::LineRead::TOO_LONG) {
      if (line_number == 1 && line.compare(0, BYTE_ORDER_MARK.size(), BYTE_ORDER_MARK) == 0)
        line.erase(0, BYTE_ORDER_MARK.size());
      if (!line.empty() && line.back() == '\r') line.pop_back();
    }
    line_end = static_cast<int>(line.size()) + 1;
    lines.push_back(line);
    map_rows.push_back(in_map && trimmed(line) != "end");
    if (got == vt::LineRead::TOO_LONG) {
      fail(line_number, MAX_LINE + 1, "the end of the line: a line has at most 4096 characters");
      break;
    }
    if (bytes > MAX_BYTES) {
      fail(line_number, 1, "the end of the file: a maze file has at most 1048576 bytes");
      break;
    }
    if (in_map && trimmed(line) == "end") {
      in_map = false;
      map.resolve(*this);
    } else if (in_map) {
      map.addRow(line, line_number, *this);
    } else if (readLine(line) && has_map && !map.isStarted()) {
      in_map = true;
      map.start(line_number);
    }
  }
  line_number++;
  if (error.empty() && in_map) fail(line_number, 1, "'end' to close the map");
  if (error.empty()) finish();
  error_out = error;
  return error.empty();
}

bool Reader::finish() {
  if (!has_time) return fail(line_number, 1, "a 'time' line with the time limit");
  if (!has_hero) return fail(line_number, 1, "a hero: '@' on the map or a 'hero' line");
  if (!maze.plan.keys.empty() && !maze.plan.has_door)
    return fail(line_number, 1, "a door for the keys: '[===]' on the map or a 'door' line");
  maze.plan.door_keys = static_cast<int>(maze.plan.keys.size());
  return true;
}

// True for a comment or a blank line too.
bool Reader::readLine(const std::string& line) {
  std::vector<Token> tokens = split(line);
  if (tokens.empty() || tokens[0].text[0] == '#') return true;
  const std::string& word = tokens[0].text;
  Cell cell{0, 0};
  if (word == "name") return readName(line, tokens[0]);
  if (word == "time") {
    if (has_time) return fail(line_number, 1, "only one 'time' line");
    has_time = true;
    const char* limit = "the time limit, a whole number of seconds from 1 to 999";
    int& time = maze.plan.time_limit;
    return readNumber(tokens, 1, MAX_TIME, limit, time) &&
           (time >= 1 || fail(line_number, tokens[1].column, limit)) &&
           endOfLine(tokens, 2, "the end of the line after the time limit");
  }
  if (word == "map") {
    if (has_map) return fail(line_number, 1, "only one map");
    has_map = true;
    return endOfLine(tokens, 1, "the end of the line after 'map'");
  }
  if (word == "door" || word == "key" || word == "hero") {
    if (!readCell(tokens, 1, cell) || !endOfLine(tokens, 3, "the end of the line after y"))
      return false;
    if (word == "door") return addDoor(cell, line_number, 1);
    return word == "key" ? addKey(cell, line_number, 1) : addHero(cell, line_number, 1);
  }
  if (word == "wall") return readWalls(tokens);
  return failWord(tokens[0], "'name', 'time', 'map', 'door', 'key', 'hero', 'wall' or a comment",
                  KEYWORDS);
}

bool Reader::failWord(const Token& word, const std::string& expected,
                      const std::vector<std::string>& words) {
  fail(line_number, word.column, expected);
  std::string meant = oneLetterOff(word.text, words);
  if (!meant.empty()) error += "; did you mean '" + meant + "'?";
  return false;
}

bool Reader::readName(const std::string& line, const Token& word) {
  if (has_name) return fail(line_number, word.column, "only one 'name' line");
  has_name = true;
  std::size_t after = static_cast<std::size_t>(word.column - 1) + word.text.size();
  std::string text = trimmed(line.substr(after));
  int first = static_cast<int>(line.find(text, after)) + 1;
  if (text.empty()) return fail(line_number, line_end, "the maze's name after 'name'");
  if (text.size() > MAX_NAME)
    return fail(line_number, first + static_cast<int>(MAX_NAME), "a name of at most 40 characters");
  for (std::size_t i = 0; i < text.size(); i++)
    if (text[i] < ' ' || text[i] > '~')
      return fail(line_number, first + static_cast<int>(i), "a name of printable characters");
  maze.name = text;
  return true;
}

bool Reader::readNumber(const std::vector<Token>& tokens, std::size_t i, int max, const char* what,
                        int& value) {
  if (i >= tokens.size()) return fail(line_number, line_end, what);
  const std::string& text = tokens[i].text;
  if (text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos ||
      std::stoi(text) > max)
    return fail(line_number, tokens[i].column, what);
  value = std::stoi(text);
  return true;
}

bool Reader::readCell(const std::vector<Token>& tokens, std::size_t i, Cell& cell) {
  return readNumber(tokens, i, MAX_X, "x, a whole number from 0 to 125", cell.x) &&
         readNumber(tokens, i + 1, MAX_Y, "y, a whole number from 0 to 100", cell.y);
}

bool Reader::endOfLine(const std::vector<Token>& tokens, std::size_t i, const char* expected) {
  return i >= tokens.size() || fail(line_number, tokens[i].column, expected);
}

bool Reader::readWalls(const std::vector<Token>& tokens) {
  std::size_t i = 1;
  WallRun first{0, {0, 0}, {0, 0}}, second = first;
  if (!readRun(tokens, i, first)) return false;
  if (i < tokens.size() && tokens[i].text == "with") {
    i++;
    first.alternate_with_next = true;
    if (!readRun(tokens, i, second) || !endOfLine(tokens, i, "the end of the line")) return false;
    return addWall(first, line_number, 1) && addWall(second, line_number, 1);
  }
  return endOfLine(tokens, i, "'with' or the end of the line") && addWall(first, line_number, 1);
}

bool Reader::readRun(const std::vector<Token>& tokens, std::size_t& i, WallRun& run) {
  const char* kinds =
      "a kind of wall: horizontal, vertical, top-corner, bottom-left, bottom-right, "
      "long-horizontal or long-vertical";
  if (i >= tokens.size()) return fail(line_number, line_end, kinds);
  const KindWord* p_kind = nullptr;
  std::vector<std::string> words;
  for (const KindWord& kind : KINDS) {
    if (tokens[i].text == kind.word) p_kind = &kind;
    words.push_back(kind.word);
  }
  if (!p_kind) return failWord(tokens[i], kinds, words);
  run.kind = p_kind->kind;
  if (!readCell(tokens, i + 1, run.from)) return false;
  i += 3;
  run.to = run.from;
  if (i >= tokens.size() || tokens[i].text == "with") return true;
  int column = tokens[i].column;
  if (!readCell(tokens, i, run.to)) return false;
  i += 2;
  bool straight = run.from.x == run.to.x || run.from.y == run.to.y;
  if (!straight || run.to.x < run.from.x || run.to.y < run.from.y)
    return fail(line_number, column, "the run's end right of or below its start, in line with it");
  return true;
}

bool Reader::addDoor(Cell cell, int line, int column) {
  if (maze.plan.has_door) return fail(line, column, "only one door");
  maze.plan.has_door = true;
  maze.plan.door = cell;
  return true;
}

bool Reader::addKey(Cell cell, int line, int column) {
  if (maze.plan.keys.size() >= MAX_KEYS) return fail(line, column, "at most 100 keys");
  maze.plan.keys.push_back(cell);
  return true;
}

bool Reader::addHero(Cell cell, int line, int column) {
  if (has_hero) return fail(line, column, "only one hero");
  if (cell.x >= WORLD_X || cell.y >= WORLD_Y)
    return fail(line, column, "a hero inside the world: x from 0 to 124, y from 0 to 99");
  has_hero = true;
  maze.plan.hero = cell;
  return true;
}

bool Reader::addWall(WallRun run, int line, int column) {
  pieces += run.to.x - run.from.x + run.to.y - run.from.y + 1;
  if (pieces > MAX_PIECES) return fail(line, column, "at most 20000 wall pieces");
  maze.walls.push_back(run);
  return true;
}

const char* kindWord(int kind) {
  for (const KindWord& word : KINDS)
    if (word.kind == kind) return word.word;
  return "?";
}

void writeRun(std::ostream& out, const WallRun& run) {
  out << kindWord(run.kind) << ' ' << run.from.x << ' ' << run.from.y;
  if (run.to.x != run.from.x || run.to.y != run.from.y) out << ' ' << run.to.x << ' ' << run.to.y;
}

}  // namespace

bool readMaze(std::istream& in, const std::string& name, Maze& maze, std::string& error) {
  return Reader(name, maze).read(in, error);
}

bool readMazeFile(const std::string& path, Maze& maze, std::string& error) {
  // One byte past the cap tells a file too long, at its line.
  vt::ReadFile file;
  std::string reason = file.open(path, MAX_BYTES + 1);
  if (!reason.empty()) {
    error = path + ": cannot be read: " + reason;
    return false;
  }
  return readMaze(file.stream(), path, maze, error);
}

void writeMaze(std::ostream& out, const Maze& maze) {
  const LevelPlan& plan = maze.plan;
  if (!maze.name.empty()) out << "name " << maze.name << '\n';
  out << "time " << plan.time_limit << '\n';
  if (plan.has_door) out << "door " << plan.door.x << ' ' << plan.door.y << '\n';
  for (const Cell& key : plan.keys) out << "key " << key.x << ' ' << key.y << '\n';
  out << "hero " << plan.hero.x << ' ' << plan.hero.y << '\n';
  for (std::size_t r = 0; r < maze.walls.size(); r++) {
    out << "wall ";
    writeRun(out, maze.walls[r]);
    if (maze.walls[r].alternate_with_next && r + 1 < maze.walls.size()) {
      out << " with ";
      writeRun(out, maze.walls[++r]);
    }
    out << '\n';
  }
}
