// The maze file: a maze written by hand in a text editor.
//
//   # A first maze                 a line whose first non-blank is '#' is a comment
//   name First steps               optional, shown as the maze begins
//   time 60                        the time limit, 1 to 999 seconds
//   map                            a drawing of the maze, up to "end"
//   +-------------------+
//   |                   |          each character is one cell: the first row
//   |   @          k    |          is y 0, the first column x 0
//   |                   |
//   +------[===]--------+
//   end
//
// On the map '-' and '|' are walls, '@' the hero's start, 'k' a key, "[===]"
// the door (at its middle) and a blank or '.' is floor. A '+' is a corner,
// joined as the game draws its corners: to the '|' below it, else to the '-'
// right of it, else to the '-' left of it. The hero's box meets everything
// in the eight cells around it, so a way must be three cells wide.
//
// Lines may also list pieces, for what a drawing cannot say (two pieces in
// one cell, pieces wider than a cell, the order pieces are made in):
//   door X Y      key X Y      hero X Y
//   wall KIND X Y [X2 Y2] [with KIND X Y [X2 Y2]]
// KIND is horizontal, vertical, top-corner, bottom-left, bottom-right,
// long-horizontal or long-vertical; a run goes right or down from (X, Y) to
// (X2, Y2); "with" makes two runs one piece of each in turn. X is 0 to 125,
// Y 0 to 100. The game makes the door, the keys, the hero and then the walls,
// keys and walls in the order the file gives them (a map row by row).
// A maze has one hero, inside the world (x 0 to 124, y 0 to 99), at most one
// door, which needs every key, and keys only with a door. A file holds at
// most 1 MiB in lines of at most 4096 characters; a UTF-8 byte-order mark
// at its start is skipped.
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "LevelLayout.h"

/// Reads a maze; false at the first fault, with "NAME:LINE:COLUMN: expected
/// ..., found ..." in error (NAME as given; what is missing at the end of
/// the file is said at the end of its last line), and "; did you mean
/// 'time'?" after a keyword one letter off.
bool readMaze(std::istream& in, const std::string& name, Maze& maze, std::string& error);

/// Reads the maze file at path, named so in errors; one that is no regular
/// file, or cannot be opened, gives "PATH: cannot be read: REASON".
bool readMazeFile(const std::string& path, Maze& maze, std::string& error);

/// Writes the maze as lines that list its pieces in the order the game makes
/// them; reading them gives the same maze.
void writeMaze(std::ostream& out, const Maze& maze);
