
#include <regex>

#include "TestSupport.h"
#include "maze.h"

namespace fs = std::filesystem;

namespace {

fs::path sourceDir() {
  const char* dir = std::getenv("VANTLE_SOURCE_DIR");
  return dir ? dir : "";
}

fs::path docsDir() { return sourceDir() / "docs"; }

struct ShownCode {
  std::string name;  ///< the sample file, relative to docs/
  bool whole;        ///< the whole file, or a piece of it
  std::vector<std::string> lines;
};

/// Every code block of the guide that follows a line "<!-- file: NAME -->"
/// (the whole file) or "<!-- part of: NAME -->" (lines of it). A C++ block
/// without either line is reported as a failure: it would not be compiled.
std::vector<ShownCode> shownCode() {
  std::vector<std::string> lines = vt_test::readLines((docsDir() / "guide.md").string());
  const std::regex marker("<!-- (file|part of): (.+) -->");
  std::vector<ShownCode> shown;
  for (std::size_t i = 0; i < lines.size(); i++) {
    if (lines[i].rfind("```", 0) != 0) continue;
    std::smatch found;
    bool marked = i > 0 && std::regex_match(lines[i - 1], found, marker);
    EXPECT_TRUE(marked || lines[i] != "```cpp")
        << "guide.md line " << i + 1 << ": C++ without a sample file";
    ShownCode code{marked ? found[2].str() : "", marked && found[1] == "file", {}};
    for (i++; i < lines.size() && lines[i] != "```"; i++) code.lines.push_back(lines[i]);
    if (marked) shown.push_back(code);
  }
  return shown;
}

/// Whether piece stands in lines as a run of whole lines, indentation aside.
bool containsPiece(const std::vector<std::string>& lines, const std::vector<std::string>& piece) {
  auto same = [](const std::string& a, const std::string& b) {
    return a.substr(std::min(a.find_first_not_of(' '), a.size())) ==
           b.substr(std::min(b.find_first_not_of(' '), b.size()));
  };
  for (std::size_t at = 0; !piece.empty() && at + piece.size() <= lines.size(); at++)
    if (std::equal(piece.begin(), piece.end(), lines.begin() + at, same)) return true;
  return false;
}

}  // namespace

TEST(GuideTest, EverySampleFileIsShownWholeAsItIs) {
  ASSERT_FALSE(sourceDir().empty()) << "VANTLE_SOURCE_DIR not set";
  std::set<std::string> names;
  for (const ShownCode& code : shownCode()) {
    std::string file = (docsDir() / code.name).string();
    if (code.whole) {
      std::string text;
      for (const std::string& line : code.lines) text += line + "\n";
      EXPECT_EQ(text, vt_test::readFile(file)) << "the guide's copy of " << code.name << " differs";
    } else {
      EXPECT_TRUE(containsPiece(vt_test::readLines(file), code.lines))
          << "a piece the guide shows is not in " << code.name << ":\n"
          << (code.lines.empty() ? "" : code.lines[0]);
    }
    names.insert(code.name);
  }
  for (const auto& entry : fs::recursive_directory_iterator(docsDir() / "samples"))
    if (entry.is_regular_file()) {
      std::string name = fs::relative(entry.path(), docsDir()).string();
      EXPECT_EQ(names.count(name), 1u) << name << " is not shown in the guide";
    }
}

// The maze writers' page shows its first maze drawn and then as pieces.
TEST(MazeDocsTest, TheFirstMazeDrawnAndAsPiecesIsTheSameMaze) {
  std::vector<Maze> shown;
  std::string block;
  for (const std::string& line : vt_test::readLines((docsDir() / "mazes.md").string())) {
    if (line.rfind("```", 0) != 0) {
      block += line + "\n";
      continue;
    }
    std::istringstream in(block);
    Maze maze;
    std::string error;
    if (block.find("time ") != std::string::npos) {
      EXPECT_TRUE(readMaze(in, "mazes.md", maze, error)) << error;
      shown.push_back(maze);
    }
    block.clear();
  }
  ASSERT_EQ(shown.size(), 2u);
  // Written a piece a line, in the order the game makes them.
  auto pieceByPiece = [](Maze maze) {
    std::vector<WallRun> runs;
    for (const WallPiece& piece : wallPieces(maze.walls))
      runs.push_back({piece.kind, piece.cell, piece.cell});
    maze.walls = runs;
    std::ostringstream out;
    writeMaze(out, maze);
    return out.str();
  };
  EXPECT_EQ(pieceByPiece(shown[1]), pieceByPiece(shown[0]));
}
