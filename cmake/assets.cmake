# The programs' data: the maze's sounds, made by our own synthesiser at build
# time, and the font, the sprites and the sounds staged beside the maze in
# MAZE_STAGE_DIR by vantle_add_game (cmake/VantleGame.cmake).

# The synthesiser's voices are a library so that tests can check them too.
file(GLOB VT_SYNTH_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/synth/*.cpp)
list(REMOVE_ITEM VT_SYNTH_SOURCES ${PROJECT_SOURCE_DIR}/tools/synth/main.cpp)
add_library(vt_synth STATIC ${VT_SYNTH_SOURCES})
target_include_directories(vt_synth PUBLIC ${PROJECT_SOURCE_DIR}/tools)

add_executable(vt_synth_tool ${PROJECT_SOURCE_DIR}/tools/synth/main.cpp)
target_link_libraries(vt_synth_tool PRIVATE vt_synth)

# Naming the tool in DEPENDS re-runs it whenever it is rebuilt, and only then.
set(MAZE_SOUNDS_DIR ${CMAKE_BINARY_DIR}/maze-sounds)
set(MAZE_SOUNDS close_door_1.wav collect_coin.wav enter_the_maze.wav)
list(TRANSFORM MAZE_SOUNDS PREPEND ${MAZE_SOUNDS_DIR}/)
add_custom_command(
  OUTPUT ${MAZE_SOUNDS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MAZE_SOUNDS_DIR}
  COMMAND vt_synth_tool ${MAZE_SOUNDS_DIR}
  DEPENDS vt_synth_tool
  COMMENT "Synthesising the game's sounds"
  VERBATIM)

vantle_add_game(maze SPRITES sprites SOUNDS ${MAZE_SOUNDS} DIRECTORY ${MAZE_STAGE_DIR})
