// The peer's side of the console comparison: libtcod's OpenGL 2 renderer in
// a window of COLUMNS x ROWS tiles of 8 x 16 pixels from the same TrueType
// font, vertical sync off, and per frame every tile given its character and
// colours, then the console presented.
#include <libtcod/console.h>
#include <libtcod/console_types.h>
#include <libtcod/context.h>
#include <libtcod/context_init.h>
#include <libtcod/error.h>
#include <libtcod/tileset_truetype.h>

#include <cstdio>

#include "ConsoleRun.h"

namespace {

// The engine's colours: bit 0 red, bit 1 green, bit 2 blue (the engine's
// program checks that they still are).
TCOD_ColorRGBA colorOf(int index) {
  auto on = [index](int bit) { return static_cast<uint8_t>(index & bit ? 255 : 0); };
  return TCOD_ColorRGBA{on(1), on(2), on(4), 255};
}

}  // namespace

int main(int argc, char** argv) {
  consolebench::RunSettings settings;
  if (!consolebench::readSettings(argc, argv, settings)) return 2;
  TCOD_Tileset* tileset =
      TCOD_load_truetype_font_(VANTLE_FONT, consolebench::CELL_WIDTH, consolebench::CELL_HEIGHT);
  if (!tileset) {
    std::fprintf(stderr, "libtcod: %s\n", TCOD_get_error());
    return 1;
  }
  TCOD_ContextParams params{};
  params.tcod_version = TCOD_COMPILEDVERSION;
  params.columns = settings.columns;
  params.rows = settings.rows;
  params.renderer_type = TCOD_RENDERER_OPENGL2;
  params.tileset = tileset;
  params.vsync = 0;
  params.window_title = "libtcod console";
  TCOD_Context* context = nullptr;
  TCOD_Console* console = TCOD_console_new(settings.columns, settings.rows);
  if (!console || TCOD_context_new(&params, &context) != TCOD_E_OK) {
    std::fprintf(stderr, "libtcod: %s\n", TCOD_get_error());
    return 1;
  }
  const TCOD_ColorRGBA background{0, 0, 0, 255};
  // Written straight into the tiles, libtcod's quickest way in.
  consolebench::timeFrames(settings, [&](int frame) {
    TCOD_ConsoleTile* tile = console->tiles;
    for (int row = 0; row < settings.rows; row++)
      for (int column = 0; column < settings.columns; column++, tile++)
        *tile = TCOD_ConsoleTile{consolebench::cellCharacter(column, row, frame),
                                 colorOf(consolebench::cellColor(column, row, frame)), background};
    TCOD_context_present(context, console, nullptr);
  });
  TCOD_context_delete(context);
  TCOD_console_delete(console);
  TCOD_tileset_delete(tileset);
  return 0;
}
