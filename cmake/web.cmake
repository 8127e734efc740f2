# The web build (emcmake cmake): the engine with its web room, and
# vantle_add_web_page, which makes a game's page.
#
# vantle_add_web_page(<target> DATA <folder> DIRECTORY <folder>
#                     [TITLE <text>] [ARGUMENTS <script>])
# puts the program of <target> into DIRECTORY as <target>.js and
# <target>.wasm, with the files of DATA (the game's staged folder: font,
# sprites, sounds and so on) packed as <target>.data, which the page loads
# before the program starts and the program reads as its working folder,
# and its page index.html. ARGUMENTS is the body of a script function that
# returns the program's command line from the page's parameters (params, a
# URLSearchParams); by default none. Serve DIRECTORY and open index.html.

set(VANTLE_WEB_ROOM ${PROJECT_SOURCE_DIR}/engine/presentation/web)
set(VANTLE_PAGE_DIR ${CMAKE_BINARY_DIR}/page CACHE PATH "Where the maze's page is made")

target_compile_definitions(vantle PUBLIC VANTLE_WEB=1)
# The canvas drawing and the lasting files; OpenAL on Web Audio; the store
# of lasting files; the page reads the screen through vt_screen_text.
target_link_options(vantle PUBLIC
  "SHELL:--js-library ${VANTLE_WEB_ROOM}/library_vantle.js"
  "SHELL:--pre-js ${VANTLE_WEB_ROOM}/pre.js"
  -lopenal -lidbfs.js
  -sALLOW_MEMORY_GROWTH=1
  -sEXPORTED_FUNCTIONS=_main,_vt_screen_text
  -sEXPORTED_RUNTIME_METHODS=UTF8ToString)
set_property(TARGET vantle APPEND PROPERTY INTERFACE_LINK_DEPENDS
  ${VANTLE_WEB_ROOM}/library_vantle.js ${VANTLE_WEB_ROOM}/pre.js)

function(vantle_add_web_page target)
  cmake_parse_arguments(PARSE_ARGV 1 WEB "" "DATA;DIRECTORY;TITLE;ARGUMENTS" "")
  set(WEB_PROGRAM ${target})
  if(NOT WEB_TITLE)
    set(WEB_TITLE ${target})
  endif()
  if(NOT WEB_ARGUMENTS)
    set(WEB_ARGUMENTS "return [];")
  endif()
  configure_file(${VANTLE_WEB_ROOM}/page.html.in ${WEB_DIRECTORY}/index.html @ONLY)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${WEB_DIRECTORY}
                                             SUFFIX .js)
  # The data is packed as the program is linked, after the game's staging.
  target_link_options(${target} PRIVATE "SHELL:--preload-file ${WEB_DATA}@/")
endfunction()
