# The programs' data: the maze's sounds and the starter's, made by our own
# synthesiser at build time, and the font, the sprites and the sounds staged beside the maze in
# MAZE_STAGE_DIR by vantle_add_game (cmake/VantleGame.cmake), with the mazes
# of mazes/.

# The synthesiser's voices are a library so that tests can check them too.
file(GLOB VT_SYNTH_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/synth/*.cpp)
list(REMOVE_ITEM VT_SYNTH_SOURCES ${PROJECT_SOURCE_DIR}/tools/synth/main.cpp)
add_library(vt_synth STATIC ${VT_SYNTH_SOURCES})
target_include_directories(vt_synth PUBLIC ${PROJECT_SOURCE_DIR}/tools)

add_executable(vt_synth_tool ${PROJECT_SOURCE_DIR}/tools/synth/main.cpp)
target_link_libraries(vt_synth_tool PRIVATE vt_synth)
if(VANTLE_WEB)
  # Built for the web too, and run by Node.js at build time on the host's files.
  target_link_options(vt_synth_tool PRIVATE -sNODERAWFS=1 -sENVIRONMENT=node
                      -sWASM_ASYNC_COMPILATION=0)
endif()

# Naming the tool in DEPENDS re-runs it whenever it is rebuilt, and only then.
set(MAZE_SOUNDS_DIR ${CMAKE_BINARY_DIR}/maze-sounds)
set(MAZE_SOUNDS close_door_1.wav collect_coin.wav enter_the_maze.wav)
list(TRANSFORM MAZE_SOUNDS PREPEND ${MAZE_SOUNDS_DIR}/)
# The starter project's one sound, installed with it.
set(STARTER_SOUND ${MAZE_SOUNDS_DIR}/horn.wav)
add_custom_command(
  OUTPUT ${MAZE_SOUNDS} ${STARTER_SOUND}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MAZE_SOUNDS_DIR}
  COMMAND vt_synth_tool ${MAZE_SOUNDS_DIR}
  DEPENDS vt_synth_tool
  COMMENT "Synthesising the game's sounds"
  VERBATIM)

vantle_add_game(maze SPRITES sprites SOUNDS ${MAZE_SOUNDS} DIRECTORY ${MAZE_STAGE_DIR}
  LAUNCHER FILE_OPTIONS --maze --check)

# The mazes players can start their own from, in mazes/ beside the program.
file(GLOB MAZE_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/mazes/*.maze)
set(MAZE_STAGED_FILES)
foreach(file ${MAZE_FILES})
  get_filename_component(name ${file} NAME)
  add_custom_command(
    OUTPUT ${MAZE_STAGE_DIR}/mazes/${name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MAZE_STAGE_DIR}/mazes
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${MAZE_STAGE_DIR}/mazes/${name}
    DEPENDS ${file}
    COMMENT "Staging mazes/${name} for maze"
    VERBATIM)
  list(APPEND MAZE_STAGED_FILES ${MAZE_STAGE_DIR}/mazes/${name})
endforeach()
add_custom_target(maze_mazes ALL DEPENDS ${MAZE_STAGED_FILES})
add_dependencies(maze maze_mazes)
if(NOT VANTLE_WEB)
  install(FILES ${MAZE_FILES} DESTINATION ${CMAKE_INSTALL_LIBDIR}/maze/mazes)
  add_custom_target(starter_sound ALL DEPENDS ${STARTER_SOUND})
  # Made by the maze's run of the synthesiser, not by a second one beside it.
  add_dependencies(starter_sound maze_assets)
  install(FILES ${STARTER_SOUND} DESTINATION ${CMAKE_INSTALL_DATADIR}/vantle/starter/sounds)
endif()
