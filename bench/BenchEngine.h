// The engine as the benchmarks that show frames share it.
#pragma once

/// The engine started windowed on a quiet log, the game's sprites loaded,
/// once for the whole run (the path manager is never stopped), with an empty
/// world of the game's size at each call; false when no window could be had.
bool windowed();
