# The game's data, staged beside the program in MAZE_STAGE_DIR: sounds made
# by our own synthesiser at build time, the font, and the sprite files.

# The synthesiser's voices are a library so that tests can check them too.
file(GLOB VT_SYNTH_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/synth/*.cpp)
list(REMOVE_ITEM VT_SYNTH_SOURCES ${PROJECT_SOURCE_DIR}/tools/synth/main.cpp)
add_library(vt_synth STATIC ${VT_SYNTH_SOURCES})
target_include_directories(vt_synth PUBLIC ${PROJECT_SOURCE_DIR}/tools)

add_executable(vt_synth_tool ${PROJECT_SOURCE_DIR}/tools/synth/main.cpp)
target_link_libraries(vt_synth_tool PRIVATE vt_synth)

file(MAKE_DIRECTORY ${MAZE_STAGE_DIR}/sounds ${MAZE_STAGE_DIR}/sprites)
set(MAZE_STAGED_FILES)

# Naming the tool in DEPENDS re-runs it whenever it is rebuilt, and only then.
set(MAZE_SOUNDS close_door_1.wav collect_coin.wav enter_the_maze.wav)
list(TRANSFORM MAZE_SOUNDS PREPEND ${MAZE_STAGE_DIR}/sounds/)
add_custom_command(
  OUTPUT ${MAZE_SOUNDS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MAZE_STAGE_DIR}/sounds
  COMMAND vt_synth_tool ${MAZE_STAGE_DIR}/sounds
  DEPENDS vt_synth_tool
  COMMENT "Synthesising the game's sounds"
  VERBATIM)
list(APPEND MAZE_STAGED_FILES ${MAZE_SOUNDS})

set(MAZE_FONT_SOURCE /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf
    CACHE FILEPATH "TrueType font staged as the game's vt-font.ttf")
if(EXISTS ${MAZE_FONT_SOURCE})
  add_custom_command(
    OUTPUT ${MAZE_STAGE_DIR}/vt-font.ttf
    COMMAND ${CMAKE_COMMAND} -E copy ${MAZE_FONT_SOURCE} ${MAZE_STAGE_DIR}/vt-font.ttf
    DEPENDS ${MAZE_FONT_SOURCE}
    COMMENT "Staging the font"
    VERBATIM)
  list(APPEND MAZE_STAGED_FILES ${MAZE_STAGE_DIR}/vt-font.ttf)
else()
  message(WARNING "Font ${MAZE_FONT_SOURCE} not found (package fonts-dejavu-core): "
                  "the game will start without characters.")
endif()

# Re-globbed at every build, so sprite files added later are staged too.
file(GLOB MAZE_SPRITE_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/sprites/*.txt)
foreach(sprite ${MAZE_SPRITE_SOURCES})
  get_filename_component(sprite_name ${sprite} NAME)
  set(staged ${MAZE_STAGE_DIR}/sprites/${sprite_name})
  add_custom_command(
    OUTPUT ${staged}
    COMMAND ${CMAKE_COMMAND} -E copy ${sprite} ${staged}
    DEPENDS ${sprite}
    COMMENT "Staging sprites/${sprite_name}"
    VERBATIM)
  list(APPEND MAZE_STAGED_FILES ${staged})
endforeach()

add_custom_target(maze_assets ALL DEPENDS ${MAZE_STAGED_FILES})
add_dependencies(maze maze_assets)
