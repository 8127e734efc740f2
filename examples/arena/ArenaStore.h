// Saving and loading the arena: its walkers and targets go to a text file,
// one object a line as serialize(true) writes it, and are made again from
// such a file with deserialize. Bricks are not saved: every arena has them.
#pragma once

#include <cstdint>
#include <string>

/// The file the arena's S and L keys use.
const std::string ARENA_FILE = "arena.txt";

/// The most bytes a saved arena may hold: tens of thousands of walkers.
const std::uint64_t MAX_ARENA_BYTES = 16 << 20;

/// Writes every walker and target, inactive ones too; the number of lines
/// written, or -1 when the file cannot be written (an earlier save is then
/// kept as it was).
int saveArena(const std::string& filename);

/// Replaces the walkers and targets by those of the file and sends the
/// walkers that were on their way off again; the number of objects made, or
/// -1, leaving the arena as it was, when the file cannot be read, holds no
/// walker or more than MAX_ARENA_BYTES, or has a line that is no walker or
/// target, gives a box without extent, or stands or heads outside the
/// arena's walls.
int loadArena(const std::string& filename);

/// A serialized line without its "id" item. Loaded objects keep the ids
/// the engine gives them, so that no two objects share one.
std::string withoutId(const std::string& text);
