# The programs' data: for the maze, sounds made by our own synthesiser at
# build time, the font and the sprite files, staged beside the program in
# MAZE_STAGE_DIR; and the functions that stage a font and sprites for any
# program.

# The synthesiser's voices are a library so that tests can check them too.
file(GLOB VT_SYNTH_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/synth/*.cpp)
list(REMOVE_ITEM VT_SYNTH_SOURCES ${PROJECT_SOURCE_DIR}/tools/synth/main.cpp)
add_library(vt_synth STATIC ${VT_SYNTH_SOURCES})
target_include_directories(vt_synth PUBLIC ${PROJECT_SOURCE_DIR}/tools)

add_executable(vt_synth_tool ${PROJECT_SOURCE_DIR}/tools/synth/main.cpp)
target_link_libraries(vt_synth_tool PRIVATE vt_synth)

file(MAKE_DIRECTORY ${MAZE_STAGE_DIR}/sounds)
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
    CACHE FILEPATH "TrueType font staged as each program's vt-font.ttf")

# Stages the font into stage_dir as vt-font.ttf and appends the staged file
# to the list named out_list.
function(vantle_stage_font stage_dir out_list)
  if(NOT EXISTS ${MAZE_FONT_SOURCE})
    message(WARNING "Font ${MAZE_FONT_SOURCE} not found (package fonts-dejavu-core): "
                    "the programs will start without characters.")
    return()
  endif()
  add_custom_command(
    OUTPUT ${stage_dir}/vt-font.ttf
    COMMAND ${CMAKE_COMMAND} -E copy ${MAZE_FONT_SOURCE} ${stage_dir}/vt-font.ttf
    DEPENDS ${MAZE_FONT_SOURCE}
    COMMENT "Staging the font"
    VERBATIM)
  set(${out_list} ${${out_list}} ${stage_dir}/vt-font.ttf PARENT_SCOPE)
endfunction()

# Stages every sprite file of source_dir into stage_dir/sprites and appends
# the staged files to the list named out_list. Re-globbed at every build, so
# sprite files added later are staged too.
function(vantle_stage_sprites source_dir stage_dir out_list)
  file(MAKE_DIRECTORY ${stage_dir}/sprites)
  file(GLOB sprite_sources CONFIGURE_DEPENDS ${source_dir}/*.txt)
  set(staged_files ${${out_list}})
  foreach(sprite ${sprite_sources})
    get_filename_component(sprite_name ${sprite} NAME)
    set(staged ${stage_dir}/sprites/${sprite_name})
    add_custom_command(
      OUTPUT ${staged}
      COMMAND ${CMAKE_COMMAND} -E copy ${sprite} ${staged}
      DEPENDS ${sprite}
      COMMENT "Staging sprites/${sprite_name}"
      VERBATIM)
    list(APPEND staged_files ${staged})
  endforeach()
  set(${out_list} ${staged_files} PARENT_SCOPE)
endfunction()

vantle_stage_font(${MAZE_STAGE_DIR} MAZE_STAGED_FILES)
vantle_stage_sprites(${PROJECT_SOURCE_DIR}/sprites ${MAZE_STAGE_DIR} MAZE_STAGED_FILES)

add_custom_target(maze_assets ALL DEPENDS ${MAZE_STAGED_FILES})
add_dependencies(maze maze_assets)
