# vantle_add_game(<target> [SPRITES <folder>] [SOUNDS <folder or files>...]
#                 [FILES <files>...] [DIRECTORY <folder>] [DESTINATION <folder>]
#                 [LAUNCHER [FILE_OPTIONS <options>...]])
#
# A Vantle game reads its font, sprites, sounds and configuration from the
# folder it runs in. This puts the program of <target> in DIRECTORY (by
# default the current build folder) beside the engine's font as vt-font.ttf
# with the font's licence, the sprite files (*.txt) of SPRITES in sprites/,
# the sounds of SOUNDS (folders give their .wav, .ogg and .flac files) in
# sounds/, and FILES as they are, say a vt-config.txt. `cmake --install`
# puts them all together in DESTINATION (by default lib/<target>). Relative
# paths are taken from the current source folder. With LAUNCHER, `cmake
# --install` also puts a launcher <target> in bin/ that runs the program from
# any folder: in the player's folder
# ${XDG_STATE_HOME:-~/.local/state}/vantle-<target>, where the game's data
# is linked and its log and saved files go. The files named after --record,
# --replay and the FILE_OPTIONS are taken from the folder it was started in
# when they or their folder are there. The font comes from
# VANTLE_FONT_FILE and its licence from VANTLE_FONT_LICENSE, which the
# Vantle package sets.
include(GNUInstallDirs)
set(_VANTLE_LAUNCHER_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/VantleLauncher.sh.in)

# Copies source into the game's folder as relative, and installs it there.
function(_vantle_stage_file source relative)
  get_filename_component(subfolder ${relative} DIRECTORY)
  get_filename_component(name ${relative} NAME)
  add_custom_command(
    OUTPUT ${GAME_DIRECTORY}/${relative}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GAME_DIRECTORY}/${subfolder}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${GAME_DIRECTORY}/${relative}
    DEPENDS ${source}
    COMMENT "Staging ${relative} for ${target}"
    VERBATIM)
  install(FILES ${source} DESTINATION ${GAME_DESTINATION}/${subfolder} RENAME ${name})
  set(staged ${staged} ${GAME_DIRECTORY}/${relative} PARENT_SCOPE)
endfunction()

# Writes and installs bin/<target>, which runs the installed program from
# the player's folder with the game's data linked into it.
function(_vantle_install_launcher)
  cmake_path(RELATIVE_PATH GAME_DESTINATION BASE_DIRECTORY ${CMAKE_INSTALL_BINDIR}
             OUTPUT_VARIABLE LAUNCHER_DATA)
  set(LAUNCHER_TARGET ${target})
  list(PREPEND GAME_FILE_OPTIONS --record --replay)
  list(JOIN GAME_FILE_OPTIONS "|" LAUNCHER_FILE_OPTIONS)
  set(launcher ${CMAKE_CURRENT_BINARY_DIR}/${target}-launcher)
  configure_file(${_VANTLE_LAUNCHER_TEMPLATE} ${launcher} @ONLY)
  install(PROGRAMS ${launcher} DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME ${target})
endfunction()

function(vantle_add_game target)
  cmake_parse_arguments(PARSE_ARGV 1 GAME "LAUNCHER" "SPRITES;DIRECTORY;DESTINATION"
                        "SOUNDS;FILES;FILE_OPTIONS")
  if(NOT GAME_DIRECTORY)
    set(GAME_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  if(NOT GAME_DESTINATION)
    set(GAME_DESTINATION ${CMAKE_INSTALL_LIBDIR}/${target})
  endif()
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${GAME_DIRECTORY})
  install(TARGETS ${target} RUNTIME DESTINATION ${GAME_DESTINATION})
  set(staged)

  if(VANTLE_FONT_FILE AND EXISTS ${VANTLE_FONT_FILE})
    _vantle_stage_file(${VANTLE_FONT_FILE} vt-font.ttf)
    if(VANTLE_FONT_LICENSE AND EXISTS ${VANTLE_FONT_LICENSE})
      _vantle_stage_file(${VANTLE_FONT_LICENSE} vt-font-copyright.txt)
    endif()
  else()
    message(WARNING "No font for ${target} (VANTLE_FONT_FILE '${VANTLE_FONT_FILE}'): "
                    "it will start without characters.")
  endif()

  set(sprites)
  if(GAME_SPRITES)
    get_filename_component(folder ${GAME_SPRITES} ABSOLUTE)
    file(GLOB sprites CONFIGURE_DEPENDS ${folder}/*.txt)
  endif()
  foreach(file ${sprites})
    get_filename_component(name ${file} NAME)
    _vantle_stage_file(${file} sprites/${name})
  endforeach()

  set(sounds)
  foreach(item ${GAME_SOUNDS})
    get_filename_component(item ${item} ABSOLUTE)
    if(IS_DIRECTORY ${item})
      file(GLOB found CONFIGURE_DEPENDS ${item}/*.wav ${item}/*.ogg ${item}/*.flac)
      list(APPEND sounds ${found})
    else()
      list(APPEND sounds ${item})  # possibly made by the build
    endif()
  endforeach()
  foreach(file ${sounds})
    get_filename_component(name ${file} NAME)
    _vantle_stage_file(${file} sounds/${name})
  endforeach()

  foreach(file ${GAME_FILES})
    get_filename_component(file ${file} ABSOLUTE)
    get_filename_component(name ${file} NAME)
    _vantle_stage_file(${file} ${name})
  endforeach()

  if(GAME_LAUNCHER)
    _vantle_install_launcher()
  endif()

  add_custom_target(${target}_assets ALL DEPENDS ${staged})
  add_dependencies(${target} ${target}_assets)
endfunction()
